#include "main/WindowLook.h"

#include "main/GridLines.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QWidget>

namespace layout {

QFont ChooseWindowFont(const QStringList& installedFamilies, const QString& systemFamily) {
    if (installedFamilies.contains(QLatin1String(kClassicFamily), Qt::CaseInsensitive)) {
        QFont font{QString::fromLatin1(kClassicFamily)};
        font.setPointSize(kClassicPointSize);
        return font;
    }
    QFont font{systemFamily.isEmpty() ? QStringLiteral("Sans Serif") : systemFamily};
    font.setPixelSize(kFallbackPixelSize);
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
    rows->setMinimumSectionSize(kGridRowHeight);
    rows->setDefaultSectionSize(kGridRowHeight);

    QHeaderView* columns = grid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setStretchLastSection(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setFixedHeight(kGridRowHeight + 1);
    columns->setStyleSheet(HeaderRulesStyleSheet(GridLineColour(grid->palette())));

    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->verticalScrollBar()->setTracking(true);

    // Tab passes the grid by: it is reached by the mouse only, and Tab inside it leaves it as well.
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setTabKeyNavigation(false);
}

} // namespace layout
