#pragma once

#include <QIcon>
#include <map>
#include <tuple>
#include <vector>

class QStyle;

// The tree's image list: the platform's standard icons, indexed by platform::IconIndex, with the two
// overlays the namespace asks for (0 shared, 1 link: an arrow of our own) painted onto the bottom left.
class TFolderImages {
public:
    explicit TFolderImages(const QStyle& style);

    int Count() const { return static_cast<int>(icons_.size()); }
    // The icon of a node: image as drawn normally, selected as drawn while the node is selected, and an
    // overlay (-1 none). An index outside the list shows the folder icon.
    QIcon Icon(int image, int selected, int overlay);

private:
    QIcon Base(int index) const;
    QPixmap Compose(const QIcon& base, int overlay, QIcon::Mode mode) const;

    std::vector<QIcon> icons_;
    QIcon shareOverlay_;
    std::map<std::tuple<int, int, int>, QIcon> cache_;
};
