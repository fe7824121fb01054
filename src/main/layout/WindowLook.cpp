#include "WindowLook.h"

#include "GridLines.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QWidget>

namespace layout {

QFont ChooseWindowFont(const QStringList& installedFamilies, const QString& systemFamily) {
    if (installedFamilies.contains(QLatin1String(ClassicFamily), Qt::CaseInsensitive)) {
        QFont font{QString::fromLatin1(ClassicFamily)};
        font.setPointSize(ClassicPointSize);
        return font;
    }
    QFont font{systemFamily.isEmpty() ? QStringLiteral("Sans Serif") : systemFamily};
    font.setPixelSize(FallbackPixelSize);
    return font;
}

QFont WindowFont() {
    return ChooseWindowFont(QFontDatabase::families(),
                            QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

void ApplyWindowLook(QWidget* window) {
    window->setFont(WindowFont());
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void ApplyGridLook(QTableView* grid) {
    grid->setShowGrid(false);
    grid->setItemDelegate(new VerticalLineDelegate(grid));

    QHeaderView* rows = grid->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(GridRowHeight);
    rows->setDefaultSectionSize(GridRowHeight);

    QHeaderView* columns = grid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setStretchLastSection(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(GridRowHeight + 1);
    columns->setStyleSheet(HeaderRulesStyleSheet(GridLineColour(grid->palette())));

    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->verticalScrollBar()->setTracking(true);
    // The grid scrolls only vertically. Its two columns fill its width, so the view itself would slide it
    // sideways to show a whole cell (on a click, an edit, an arrow key into the New Name column, a drag),
    // cutting off the start of every old name, with no scroll bar to bring it back.
    QScrollBar* sideways = grid->horizontalScrollBar();
    QObject::connect(sideways, &QScrollBar::valueChanged, sideways, [sideways](int value) {
        if (value != sideways->minimum())
            sideways->setValue(sideways->minimum());
    });

    // Tab passes the grid by: it is reached by the mouse only, and Tab inside it leaves it as well.
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setTabKeyNavigation(false);
}

void FitCaption(QPushButton* button) {
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int room = button->width() - 2 * (frame + CaptionMargin);
    const auto fits = [&](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(button->text()) <= room;
    };
    QFont font = button->font();
    if (fits(font))
        return;
    // A size in points becomes a pixel size, so that each step is one pixel.
    font.setPixelSize(QFontInfo(font).pixelSize());
    constexpr int smallest = 7;
    while (!fits(font) && font.pixelSize() > smallest)
        font.setPixelSize(font.pixelSize() - 1);
    button->setFont(font);
}

} // namespace layout
