#pragma once

#include "Anchoring.h"

#include <QPointer>
#include <QWidget>
#include <vector>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace layout {

// Object names of the information panel's controls, used by the panel and by its tests.
namespace info_names {
inline constexpr char pnlInfo[] = "pnlInfo";
inline constexpr char Panel2[] = "Panel2";
inline constexpr char btnInfoHelp[] = "btnInfoHelp";
inline constexpr char btnInfoAbout[] = "btnInfoAbout";
inline constexpr char btnInfoPro[] = "btnInfoPro";
inline constexpr char btnInfoPay[] = "btnInfoPay";
inline constexpr char memInfoHelp[] = "memInfoHelp";
inline constexpr char memInfoAbout[] = "memInfoAbout";
inline constexpr char memInfoPro[] = "memInfoPro";
inline constexpr char memInfoPay[] = "memInfoPay";
inline constexpr char btnInfoDone[] = "btnInfoDone";
} // namespace info_names

// The information panel: covers the whole client area of its parent while open and shows one of four
// read-only pages at a time. The rest of the window lies untouched behind it. Hidden until opened.
class InfoPanel : public QWidget {
    Q_OBJECT
public:
    // The client size the panel's own controls are laid out for.
    static constexpr QSize DesignSize{700, 479};

    // The Programming page names the settings file given.
    InfoPanel(QWidget* parent, const QString& settingsFile);

    // "Help & Info": always opens on the Help page, whatever page was seen last, above every sibling, and
    // takes the keyboard focus with it.
    void Open();

    // The panel's controls in the order the Tab key visits them.
    std::vector<QWidget*> TabChain() const;

public slots:
    void btnInfoHelpClick();
    void btnInfoAboutClick();
    void btnInfoProClick();
    void btnInfoPayClick();
    void btnInfoDoneClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // While open, Tab goes round the panel's own controls: the controls behind it still count as visible
    // to the toolkit, and a key pressed on one of them would act unseen.
    bool focusNextPrevChild(bool next) override;

private:
    QPlainTextEdit* MakePage(const char* name, const QString& text, bool scrollBar);
    QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QRect& place);
    // Hides every page but the one given, then shows that one, so that exactly one page is ever seen.
    void ShowOnly(QPlainTextEdit* page);

    QFrame* Panel2_;
    QPushButton* btnInfoHelp_;
    QPushButton* btnInfoAbout_;
    QPushButton* btnInfoPro_;
    QPushButton* btnInfoPay_;
    QPlainTextEdit* memInfoHelp_;
    QPlainTextEdit* memInfoAbout_;
    QPlainTextEdit* memInfoPro_;
    QPlainTextEdit* memInfoPay_;
    QPushButton* btnInfoDone_;
    // The control that had the focus when the panel opened; "Done" hands it back.
    QPointer<QWidget> returnFocus_;
    Anchoring anchoring_{DesignSize};
};

} // namespace layout
