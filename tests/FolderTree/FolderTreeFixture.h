#pragma once

#include "FolderTree/TFolderTree.h"
#include "InMemoryShellNamespace.h"

#include <QTreeWidgetItemIterator>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

inline std::vector<std::string> Captions(const QTreeWidgetItem* node) {
    std::vector<std::string> captions;
    for (int i = 0; node && i < node->childCount(); ++i)
        captions.push_back(node->child(i)->text(0).toStdString());
    return captions;
}

// A namespace with a desktop of a few folders, the root drive with a small folder tree and a removable
// drive, and the tree built on it.
class FolderTreeTest : public ::testing::Test {
protected:
    using Ns = fakes::InMemoryShellNamespace;

    FolderTreeTest() {
        beta = ns.AddFolder(ns.Desktop(), "Beta");
        alpha = ns.AddFolder(ns.Desktop(), "alpha");
        programFiles = ns.AddFolder(ns.Desktop(), "Program Files");
        ns.AddFolder(ns.Desktop(), ".hidden", 0, true);
        ns.AddFolder(programFiles, "Tools");
        root = ns.AddDrive("/", "File System");
        usb = ns.AddDrive("/media/usb", "USB", true);
        usr = ns.AddFolder(root, "usr");
        lib = ns.AddFolder(usr, "lib");
        ns.AddFolder(lib, "deep");
        ns.AddFolder(usr, "share");
        tmp = ns.AddFolder(root, "tmp");
        ns.AddFolder(usb, "photos");
    }

    TFolderTree& Tree() {
        if (!tree) {
            tree = std::make_unique<TFolderTree>(ns);
            QObject::connect(tree.get(), &TFolderTree::OnChange,
                             [this](QTreeWidgetItem* node) { changes.push_back(node); });
        }
        return *tree;
    }
    TFolderTree& ActiveTree() {
        Tree().SetActive(true);
        return *tree;
    }

    static TFolderNodeItem* Child(QTreeWidgetItem* node, const std::string& caption) {
        for (int i = 0; node && i < node->childCount(); ++i)
            if (node->child(i)->text(0).toStdString() == caption)
                return AsFolderNode(node->child(i));
        return nullptr;
    }
    std::size_t NodesInTree() const {
        std::size_t count = 0;
        for (QTreeWidgetItemIterator it(tree.get()); *it; ++it)
            ++count;
        return count;
    }
    TFolderNodeItem* RootDrive() { return Child(tree->DrivesNode(), "File System"); }
    TFolderNodeItem* UsbDrive() { return Child(tree->DrivesNode(), "USB"); }

    Ns ns{"/home/tester/Desktop"};
    Ns::Node beta, alpha, programFiles, root, usb, usr, lib, tmp;
    std::unique_ptr<TFolderTree> tree;
    std::vector<QTreeWidgetItem*> changes;
};
