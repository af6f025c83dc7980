#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QPushButton>
#include <QTimer>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "gui/column_manager_dialog.h"
#include "gui/item_list_model.h"
#include "gui/item_list_view.h"
#include "gui/item_mime_data.h"
#include "gui/item_properties_dialog.h"
#include "gui/main_window.h"
#include "gui/open_database_fixture.h"
#include "gui/qt_ui.h"
#include "support/test_items.h"
#include "gui/undo_dialog.h"
#include "ops/item_links.h"
#include "ops/main_window_port.h"
#include "ops/undo.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "views/list_ctrl_models.h"

namespace fs = std::filesystem;

namespace {

using dvtest::addItem;

enum Tab { kGeneral = 0, kSchedule = 1, kToDo = 2, kNotes = 3 };

// A database of notes under \Work (in document order d, b, e, a, c) and \Home, opened in a main
// window showing \Work.
struct ItemListFixture : TempHomeFixture {
    std::unique_ptr<MainWindow> window;

    ItemListFixture() {
        DvUndoList().Clear();
        CDvDoc seed;
        FindOrCreateFolderPath(seed.root, u"\\Work");
        FindOrCreateFolderPath(seed.root, u"\\Home");
        for (const char16_t* title : {u"d", u"b", u"e", u"a", u"c"}) addItem(seed, DV_ITEM_NOTE, title, {u"\\Work"});
        addItem(seed, DV_ITEM_NOTE, u"Shopping", {u"\\Home"});
        seed.vars.SetText(u"dv_recent_folder", u"\\Work");
        seed.Save(main);
        GetOptions(false).LoadOptions();
    }
    ~ItemListFixture() override {
        window.reset();
        DvSetLogFolder({});
    }

    // Opens the database and shows `tab`; seeds its own items first when `prepare` is given.
    void open(Tab tab, const std::function<void(CDvDoc&)>& prepare = {}) {
        ASSERT_TRUE(OpenDocument(main, true, &doc));
        if (prepare) prepare(doc);
        window = std::make_unique<MainWindow>(doc);
        window->start();
        tabs()->setCurrentIndex(tab);
    }

    QTabWidget* tabs() { return window->findChild<QTabWidget*>(); }
    ItemListView* list(Tab tab) {
        for (ItemListView* view : window->findChildren<ItemListView*>())
            if (tabs()->indexOf(view) == tab) return view;
        return nullptr;
    }
    /// A command of the window's menus (the item panel's editor has its own Copy and Paste).
    QAction* action(const QString& text) {
        for (QAction* menuTitle : window->menuBar()->actions())
            for (QAction* a : menuTitle->menu() ? menuTitle->menu()->actions() : QList<QAction*>{})
                if (a->text() == text) return a;
        ADD_FAILURE() << "no action " << text.toStdString();
        return nullptr;
    }
    int column(ItemListView* view, const QString& header) {
        for (int c = 0; c < view->model()->columnCount(); ++c)
            if (view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header) return c;
        return -1;
    }
    QStringList titles(ItemListView* view) {
        QStringList out;
        const int title = column(view, QStringLiteral("Title"));
        for (int row = 0; row < view->model()->rowCount(); ++row)
            out << view->model()->index(row, title).data().toString();
        return out;
    }
    QString guidOf(std::u16string_view title) {
        for (const auto& item : doc.items)
            if (item->title == title) return toQString(item->guid);
        return {};
    }
    void select(ItemListView* view, const QStringList& titlesToSelect) {
        view->clearSelection();
        for (const QString& title : titlesToSelect) {
            const int row = view->listModel()->rowOf(guidOf(fromQString(title)));
            ASSERT_GE(row, 0) << title.toStdString();
            view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    QStringList selectedTitles(ItemListView* view) {
        QStringList out;
        for (const QString& guid : view->selectedGuids())
            for (const auto& item : doc.items)
                if (toQString(item->guid) == guid) out << toQString(item->title);
        return out;
    }
};

}  // namespace

TEST_F(ItemListFixture, AHeaderClickSortsTheListAndTheFirstColumnRestoresDocumentOrderWithTheHint) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(titles(notes), (QStringList{"d", "b", "e", "a", "c"}));

    // Sorted by the title, which is the notes list's first column.
    notes->listModel()->list().SetSortKey(u"dv_title");
    window->refreshContents();
    EXPECT_EQ(titles(notes), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(notes->header()->sortIndicatorSection(), column(notes, QStringLiteral("Title")));

    emit notes->header()->sectionClicked(0);
    EXPECT_EQ(titles(notes), (QStringList{"d", "b", "e", "a", "c"}));
    ASSERT_FALSE(ui.advisor.empty());
    EXPECT_EQ(ui.advisor.back(), kDvUnsortedHint);
    bool onTheAdvisorLine = false;
    for (const QLabel* label : window->statusBar()->findChildren<QLabel*>())
        onTheAdvisorLine |= label->text() == toQString(kDvUnsortedHint);
    EXPECT_TRUE(onTheAdvisorLine);
    EXPECT_EQ(notes->header()->sortIndicatorSection(), -1);
}

TEST_F(ItemListFixture, ClickingTheSameColumnTwiceReversesTheToDoList) {
    open(kToDo, [](CDvDoc& d) {
        for (const char16_t* title : {u"m", u"z", u"k"}) addItem(d, DV_ITEM_TODO, title, {u"\\Work"});
    });
    ItemListView* todos = list(kToDo);
    const int title = column(todos, QStringLiteral("Title"));
    ASSERT_GT(title, 0);
    emit todos->header()->sectionClicked(title);
    EXPECT_EQ(titles(todos), (QStringList{"k", "m", "z"}));
    EXPECT_EQ(todos->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    emit todos->header()->sectionClicked(title);
    EXPECT_EQ(titles(todos), (QStringList{"z", "m", "k"}));
    EXPECT_EQ(todos->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_TRUE(ui.advisor.empty() || ui.advisor.back() != kDvToDoUnsortedHint);

    emit todos->header()->sectionClicked(0);  // the completion check column
    EXPECT_EQ(titles(todos), (QStringList{"m", "z", "k"}));
    ASSERT_FALSE(ui.advisor.empty());
    EXPECT_EQ(ui.advisor.back(), kDvToDoUnsortedHint);
}

TEST_F(ItemListFixture, TheSelectionFollowsItsItemsWhenARefillMovesThemToOtherRows) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    notes->listModel()->list().SetSortKey(u"dv_title");
    window->refreshContents();
    select(notes, {"b", "d"});
    const QString focused = notes->listModel()->guidAt(notes->currentIndex().row());
    EXPECT_EQ(focused, guidOf(u"d"));

    // Two new notes sort before the selection: the rows of b and d move down by two.
    addItem(doc, DV_ITEM_NOTE, u"0 first", {u"\\Work"});
    addItem(doc, DV_ITEM_NOTE, u"00 before", {u"\\Work"});
    window->refreshContents();
    EXPECT_EQ(titles(notes).mid(0, 3), (QStringList{"0 first", "00 before", "a"}));
    EXPECT_EQ(selectedTitles(notes), (QStringList{"b", "d"}));
    EXPECT_EQ(notes->listModel()->guidAt(notes->currentIndex().row()), focused);

    // An item that is gone is simply no longer selected.
    doc.items.erase(std::find_if(doc.items.begin(), doc.items.end(), [](const auto& i) { return i->title == u"b"; }));
    window->refreshContents();
    EXPECT_EQ(selectedTitles(notes), (QStringList{"d"}));
}

TEST_F(ItemListFixture, TheTopRowStaysOnTopWhenItemsAreAddedAboveIt) {
    open(kNotes, [](CDvDoc& d) {
        for (int i = 10; i < 70; ++i) addItem(d, DV_ITEM_NOTE, u"n" + dv::fromUtf8(std::to_string(i)), {u"\\Work"});
    });
    ItemListView* notes = list(kNotes);
    notes->resize(400, 200);
    notes->listModel()->list().SetSortKey(u"dv_title");
    window->refreshContents();
    notes->scrollTo(notes->model()->index(30, 0), QAbstractItemView::PositionAtTop);
    const QString top = notes->listModel()->guidAt(notes->indexAt(QPoint(1, 1)).row());
    ASSERT_FALSE(top.isEmpty());

    addItem(doc, DV_ITEM_NOTE, u"0 sorts first", {u"\\Work"});
    window->refreshContents();
    EXPECT_EQ(notes->listModel()->guidAt(notes->indexAt(QPoint(1, 1)).row()), top);
}

TEST_F(ItemListFixture, RemoveAsksFirstAndUndoBringsTheItemBack) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    QAction* remove = action(QStringLiteral("&Remove"));
    ASSERT_NE(remove, nullptr);

    remove->trigger();  // nothing selected
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(ui.questions.empty());

    select(notes, {"e"});
    remove->trigger();  // the question is cancelled
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions.back(), u"Are you sure you want to delete selected items?");
    EXPECT_TRUE(titles(notes).contains("e"));

    ui.answers = {dv::Answer::Ok};
    remove->trigger();
    EXPECT_FALSE(titles(notes).contains("e"));
    EXPECT_TRUE(guidOf(u"e").isEmpty());

    UndoDialog undo(doc, window.get());
    ASSERT_EQ(undo.list()->topLevelItemCount(), 1);
    EXPECT_EQ(undo.list()->currentItem()->text(0), QStringLiteral("Remove 1 items (\"e\")"));
    undo.accept();
    EXPECT_EQ(undo.result(), QDialog::Accepted);
    EXPECT_TRUE(titles(notes).contains("e"));
    EXPECT_EQ(DvUndoList().Count(), 0);
}

TEST_F(ItemListFixture, CopyThenPasteIntoAnotherFolderGoesThroughTheSystemClipboard) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    select(notes, {"a", "c"});
    action(QStringLiteral("Copy"))->trigger();

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QString links = QString::fromUtf8(data->data(QString::fromLatin1(kDvItemsMimeType)));
    EXPECT_EQ(links, QStringLiteral("[%1i]\r\n[%2i]").arg(guidOf(u"a"), guidOf(u"c")));
    EXPECT_EQ(data->text(), links);  // text/plain carries the same links

    DvMainWindow()->SelectFolder(u"\\Home");
    action(QStringLiteral("Paste"))->trigger();
    EXPECT_EQ(titles(notes), (QStringList{"Shopping", "a", "c"}));
    int copies = 0;
    for (const auto& item : doc.items)
        if ((item->title == u"a" || item->title == u"c") && item->folders == std::vector<std::u16string>{u"\\Home"})
            ++copies;
    EXPECT_EQ(copies, 2);
    DvMainWindow()->SelectFolder(u"\\Work");
    EXPECT_EQ(titles(notes).count("a"), 1);  // the originals stay where they were
}

TEST_F(ItemListFixture, DraggedItemsCarryTheirLinksInTheProgramsFormat) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    const int row = notes->listModel()->rowOf(guidOf(u"b"));
    std::unique_ptr<QMimeData> data(
        notes->model()->mimeData({notes->model()->index(row, 0), notes->model()->index(row, 1)}));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(QString::fromUtf8(data->data(QString::fromLatin1(kDvItemsMimeType))),
              QStringLiteral("[%1i]").arg(guidOf(u"b")));
    EXPECT_TRUE(data->hasText());
}

TEST_F(ItemListFixture, OverdueRowsAreRedAndUncompletedOnesBold) {
    struct Case {
        const char16_t* title;
        int type;
        int completion;
        bool deadline;
        bool past;
        bool red;
        bool bold;
    };
    const Case cases[] = {
        {u"late todo", DV_ITEM_TODO, 0, true, true, true, true},
        {u"done todo", DV_ITEM_TODO, 100, true, true, false, false},
        {u"todo without deadline", DV_ITEM_TODO, 0, false, true, false, true},
        {u"todo due later", DV_ITEM_TODO, 40, true, false, false, true},
        {u"late task", DV_ITEM_TASK, 0, false, true, true, true},
        {u"task to come", DV_ITEM_TASK, 0, false, false, false, true},
    };
    open(kToDo, [&cases](CDvDoc& d) {
        for (const Case& c : cases) {
            CDvItem& item = addItem(d, c.type, c.title, {u"\\Work"});
            item.completion = static_cast<uint8_t>(c.completion);
            if (c.deadline) item.flags |= DV_ITEM_FLAG_DEADLINE;
            item.taskStart = DvDateTime::FromFields(c.past ? 2001 : 2101, 3, 1, 9);
            item.taskEnd = DvDateTime::FromFields(c.past ? 2001 : 2101, 3, 1, 10);
        }
    });
    tabs()->setCurrentIndex(kSchedule);  // fills the task list too
    for (const Case& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.title));
        ItemListView* view = list(c.type == DV_ITEM_TASK ? kSchedule : kToDo);
        const int row = view->listModel()->rowOf(guidOf(c.title));
        ASSERT_GE(row, 0);
        const QModelIndex index = view->model()->index(row, column(view, QStringLiteral("Title")));
        const QVariant brush = index.data(Qt::ForegroundRole);
        EXPECT_EQ(brush.isValid() && brush.value<QBrush>().color().red() > 150, c.red);
        EXPECT_EQ(index.data(Qt::FontRole).value<QFont>().bold(), c.bold);
    }
}

TEST_F(ItemListFixture, PropertiesEditAVariableInPlaceAndTheEditCanBeUndone) {
    open(kNotes, [](CDvDoc& d) {
        CDvItem& contact = addItem(d, DV_ITEM_CONTACT, u"Ann", {u"\\Work"});
        contact.vars.SetText(u"Company", u"Acme");
    });
    ItemPropertiesDialog dialog(doc, guidOf(u"Ann"), QStringLiteral("\\Work"), window.get());
    QTableWidget* table = dialog.table();
    int company = -1, title = -1;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == QStringLiteral("Company")) company = row;
        if (table->item(row, 0)->text() == QStringLiteral("dv_title")) title = row;
    }
    ASSERT_GE(company, 0);
    ASSERT_GE(title, 0);
    EXPECT_EQ(table->item(company, 1)->text(), QStringLiteral("Acme"));
    // The title is a field of the item, not a variable: it is changed in the editor.
    EXPECT_FALSE(table->item(title, 1)->flags() & Qt::ItemIsEditable);

    table->item(company, 1)->setText(QStringLiteral("Globex"));
    CDvItem* ann = doc.FindItemByGuid(fromQString(guidOf(u"Ann")));
    EXPECT_EQ(ann->GetVar(u"Company").AsText(), u"Globex");
    ASSERT_EQ(DvUndoList().Count(), 1);
    ASSERT_TRUE(DvUndoList().Apply(0, &doc));
    EXPECT_EQ(doc.FindItemByGuid(fromQString(guidOf(u"Ann")))->GetVar(u"Company").AsText(), u"Acme");
}

TEST_F(ItemListFixture, TheCompletionCheckBoxCompletesAndReopensAToDo) {
    open(kToDo, [](CDvDoc& d) { addItem(d, DV_ITEM_TODO, u"call the bank", {u"\\Work"}); });
    ItemListView* todos = list(kToDo);
    const QModelIndex check = todos->model()->index(0, column(todos, QStringLiteral("Completion %")));
    ASSERT_TRUE(todos->model()->flags(check) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(check.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);

    ASSERT_TRUE(todos->model()->setData(check, Qt::Checked, Qt::CheckStateRole));
    QCoreApplication::processEvents();  // the refill waits until the click is over
    CDvItem* item = doc.FindItemByGuid(fromQString(guidOf(u"call the bank")));
    EXPECT_EQ(item->completion, 100);
    const QModelIndex title = todos->model()->index(0, column(todos, QStringLiteral("Title")));
    EXPECT_FALSE(title.data(Qt::FontRole).value<QFont>().bold());  // refilled: no longer open

    todos->model()->setData(check, Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(item->completion, 0);
}

TEST_F(ItemListFixture, TheFieldsManagerAddsAVisibleColumnToTheList) {
    open(kNotes);
    ItemListView* notes = list(kNotes);
    EXPECT_EQ(column(notes, QStringLiteral("Keywords")), -1);
    bool ran = false;
    QTimer::singleShot(0, [&ran] {
        auto* dialog = dynamic_cast<ColumnManagerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto found = dialog->availableList()->findItems(QStringLiteral("Keywords"), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        dialog->availableList()->setCurrentItem(found.front());
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral(">")) button->click();
        dialog->accept();
        ran = true;
    });
    // At the root there is no scope to ask about.
    DvOpenColumnManager(window.get(), doc, QStringLiteral("\\"), DV_ITEM_NOTE, true);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(ui.questions.empty());
    const int keywords = column(notes, QStringLiteral("Keywords"));
    EXPECT_EQ(keywords, notes->model()->columnCount() - 1);  // appended after the others
    EXPECT_GT(notes->columnWidth(keywords), 0);
}
