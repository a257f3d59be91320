#include "form4.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace zr {

namespace {

constexpr int twips_per_pixel = 15;

// The column widths of a pane in twips: name, size, type, date.
constexpr int column_twips[] = {3704, 1587, 2540, 2540};

QWidget* make_pane(QWidget* parent, QLabel*& caption, QTreeView*& list, PaneIconModel& model,
                   int index) {
    auto* pane = new QWidget(parent);
    caption = new QLabel(pane);
    caption->setObjectName(QStringLiteral("Label12"));
    caption->setProperty("index", index);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Highlight);
    caption->setForegroundRole(QPalette::HighlightedText);
    caption->setContentsMargins(4, 2, 4, 2);
    list = new QTreeView(pane);
    list->setObjectName(QStringLiteral("ListView1"));
    list->setProperty("index", index);
    list->setModel(&model);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setAllColumnsShowFocus(true);
    for (int column = 0; column < 4; ++column)
        list->header()->resizeSection(column, column_twips[column] / twips_per_pixel);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption);
    layout->addWidget(list);
    return pane;
}

} // namespace

Form4::Form4(QWidget* parent) : QMainWindow(parent), Label4(new QLabel(this)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Zonderel"));
    for (std::size_t pane = 0; pane < 2; ++pane)
        pane_views[pane].setSourceModel(&pane_models[pane]);
    auto* splitter = new QSplitter(this);
    // Pane 1 sits to the left of pane 0.
    QWidget* pane1 = make_pane(splitter, Label12[1], ListView1[1], pane_views[1], 1);
    QWidget* pane0 = make_pane(splitter, Label12[0], ListView1[0], pane_views[0], 0);
    splitter->addWidget(pane1);
    splitter->addWidget(pane0);
    setCentralWidget(splitter);
    Label4->setObjectName(QStringLiteral("Label4"));
    statusBar()->addWidget(Label4, 1);
    resize(900, 600);
}

void Form4::set_listing_menu_states() {
    // The upload, copy, delete and new-folder items keep the states they are built with.
}

void Form4::set_pane_items(int pane, QList<PaneItem> items) {
    pane_models.at(static_cast<std::size_t>(pane)).set_items(std::move(items));
}

void Form4::set_pane_caption(int pane, const QString& text) {
    Label12.at(static_cast<std::size_t>(pane))->setText(text);
}

void Form4::set_window_title(const QString& title) {
    setWindowTitle(title);
}

void Form4::set_status_text(const QString& text) {
    Label4->setText(text);
}

} // namespace zr
