#include "InfoPanel.h"

#include "InfoTexts.h"
#include "WindowLook.h"

#include <QApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace layout {

namespace {
const QRect Panel2Place{172, 24, 356, 41};
const QRect PagePlace{65, 88, 569, 337};
const QRect DonePlace{312, 440, 75, 25};
} // namespace

InfoPanel::InfoPanel(QWidget* parent, const QString& settingsFile) : QWidget(parent) {
    setObjectName(info_names::pnlInfo);
    // The panel hides the window behind it, so it paints its whole area in the window's background.
    setAutoFillBackground(true);
    setGeometry(QRect(QPoint(0, 0), DesignSize));

    Panel2_ = new QFrame(this);
    Panel2_->setObjectName(info_names::Panel2);
    Panel2_->setFrameShape(QFrame::Panel);
    Panel2_->setFrameShadow(QFrame::Sunken);
    Panel2_->setGeometry(Panel2Place);
    btnInfoHelp_ = MakeButton(Panel2_, info_names::btnInfoHelp, QStringLiteral("Help"), {8, 8, 75, 25});
    btnInfoAbout_ = MakeButton(Panel2_, info_names::btnInfoAbout, QStringLiteral("About"), {96, 8, 75, 25});
    btnInfoPro_ =
        MakeButton(Panel2_, info_names::btnInfoPro, QStringLiteral("Programming"), {184, 8, 75, 25});
    btnInfoPay_ = MakeButton(Panel2_, info_names::btnInfoPay, QStringLiteral("Pay Up"), {272, 8, 75, 25});

    memInfoHelp_ = MakePage(info_names::memInfoHelp, HelpText(), false);
    memInfoAbout_ = MakePage(info_names::memInfoAbout, AboutText(), true);
    memInfoPro_ = MakePage(info_names::memInfoPro, ProgrammingText(settingsFile), false);
    memInfoPay_ = MakePage(info_names::memInfoPay, PayUpText(), false);

    // "Programming" would fill its button edge to edge in the window's font.
    for (QPushButton* button : {btnInfoHelp_, btnInfoAbout_, btnInfoPro_, btnInfoPay_})
        FitCaption(button);

    btnInfoDone_ = MakeButton(this, info_names::btnInfoDone, QStringLiteral("Done"), DonePlace);

    connect(btnInfoHelp_, &QPushButton::clicked, this, &InfoPanel::btnInfoHelpClick);
    connect(btnInfoAbout_, &QPushButton::clicked, this, &InfoPanel::btnInfoAboutClick);
    connect(btnInfoPro_, &QPushButton::clicked, this, &InfoPanel::btnInfoProClick);
    connect(btnInfoPay_, &QPushButton::clicked, this, &InfoPanel::btnInfoPayClick);
    connect(btnInfoDone_, &QPushButton::clicked, this, &InfoPanel::btnInfoDoneClick);

    anchoring_.Add(Panel2_, Anchor::TopOnly);
    for (QPlainTextEdit* page : {memInfoHelp_, memInfoAbout_, memInfoPro_, memInfoPay_})
        anchoring_.Add(page, Anchor::AllEdges);
    anchoring_.Add(btnInfoDone_, Anchor::BottomOnly);

    ShowOnly(memInfoHelp_);
    hide();
}

QPlainTextEdit* InfoPanel::MakePage(const char* name, const QString& text, bool scrollBar) {
    auto* page = new QPlainTextEdit(this);
    page->setObjectName(name);
    page->setGeometry(PagePlace);
    page->setReadOnly(true);
    page->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    page->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page->setPlainText(text);
    return page;
}

QPushButton* InfoPanel::MakeButton(QWidget* parent, const char* name, const QString& caption,
                                   const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    // Keeps Return on a page from pressing a button behind the reader's back.
    button->setAutoDefault(false);
    return button;
}

void InfoPanel::ShowOnly(QPlainTextEdit* page) {
    for (QPlainTextEdit* other : {memInfoHelp_, memInfoAbout_, memInfoPro_, memInfoPay_}) {
        if (other != page)
            other->hide();
    }
    page->show();
}

void InfoPanel::Open() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && !isAncestorOf(focus))
        returnFocus_ = focus;
    btnInfoHelpClick();
    show();
    raise();
    btnInfoHelp_->setFocus(Qt::OtherFocusReason);
}

std::vector<QWidget*> InfoPanel::TabChain() const {
    return {btnInfoHelp_,  btnInfoAbout_, btnInfoPro_, btnInfoPay_, memInfoHelp_,
            memInfoAbout_, memInfoPro_,   memInfoPay_, btnInfoDone_};
}

void InfoPanel::btnInfoHelpClick() {
    ShowOnly(memInfoHelp_);
}
void InfoPanel::btnInfoAboutClick() {
    ShowOnly(memInfoAbout_);
}
void InfoPanel::btnInfoProClick() {
    ShowOnly(memInfoPro_);
}
void InfoPanel::btnInfoPayClick() {
    ShowOnly(memInfoPay_);
}
void InfoPanel::btnInfoDoneClick() {
    // Handing the focus back before hiding keeps the toolkit from passing it on to the next control in
    // the window's order, the folder tree.
    if (returnFocus_ && returnFocus_->isEnabled() && returnFocus_->isVisibleTo(parentWidget()))
        returnFocus_->setFocus(Qt::OtherFocusReason);
    hide();
}

bool InfoPanel::focusNextPrevChild(bool next) {
    if (isHidden())
        return QWidget::focusNextPrevChild(next);
    std::vector<QWidget*> reachable;
    for (QWidget* control : TabChain()) {
        if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus))
            reachable.push_back(control);
    }
    if (reachable.empty())
        return false;
    const auto at = std::find(reachable.begin(), reachable.end(), QApplication::focusWidget());
    const std::size_t count = reachable.size();
    std::size_t index = 0;
    if (at != reachable.end()) {
        const auto here = static_cast<std::size_t>(at - reachable.begin());
        index = next ? (here + 1) % count : (here + count - 1) % count;
    } else if (!next) {
        index = count - 1;
    }
    reachable[index]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void InfoPanel::resizeEvent(QResizeEvent* event) {
    anchoring_.Apply(event->size());
    QWidget::resizeEvent(event);
}

} // namespace layout
