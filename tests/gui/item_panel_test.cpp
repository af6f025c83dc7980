#include "gui/item_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeView>

#include "gui/item_list_model.h"
#include "gui/main_window.h"
#include "gui/open_database_fixture.h"
#include "gui/qt_ui.h"

namespace {

void typeInto(QTextEdit* editor, const QString& text) {
    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(text);
}

void loseFocus(QWidget* widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &out);
}

void press(QWidget* widget, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

struct ItemPanelFixture : OpenDatabaseFixture {
    CDvItem& first = dvtest::addItem(doc, DV_ITEM_NOTE, u"First");
    CDvItem& second = dvtest::addItem(doc, DV_ITEM_NOTE, u"Second");
    CDvItem& ann = dvtest::addItem(doc, DV_ITEM_CONTACT, u"Ann");

    ItemPanelFixture() {
        dvtest::setContents(first, "one");
        dvtest::setContents(second, "two");
    }
};

}  // namespace

TEST_F(ItemPanelFixture, TypingAndLeavingTheEditorWritesTheNoteBack) {
    ItemPanel panel(doc);
    panel.displayItem(toQString(first.guid));
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("one"));
    EXPECT_FALSE(panel.editor()->isReadOnly());
    typeInto(panel.editor(), QStringLiteral("typed "));
    EXPECT_EQ(first.GetPlainText(), u"one");  // not before the editor is left

    loseFocus(panel.editor());
    EXPECT_EQ(first.GetPlainText(), u"typed one");
    EXPECT_EQ(second.GetPlainText(), u"two");
}

TEST_F(ItemPanelFixture, ShowingAnotherItemWritesTheFirstBeforeShowingIt) {
    ItemPanel panel(doc);
    panel.displayItem(toQString(first.guid));
    typeInto(panel.editor(), QStringLiteral("typed "));
    panel.displayItem(toQString(second.guid));
    EXPECT_EQ(first.GetPlainText(), u"typed one");
    EXPECT_EQ(panel.shownGuid(), toQString(second.guid));
    EXPECT_EQ(panel.editor()->toPlainText(), QStringLiteral("two"));

    panel.displayItem({});  // nothing changed in the second: it keeps its stamp
    EXPECT_TRUE(panel.shownGuid().isEmpty());
    EXPECT_TRUE(panel.editor()->toPlainText().isEmpty());
    EXPECT_TRUE(panel.editor()->isReadOnly());
    EXPECT_EQ(second.GetPlainText(), u"two");
}

TEST_F(ItemPanelFixture, AValueEditedInPlaceIsWrittenWhenTheListIsLeft) {
    ItemPanel panel(doc);
    panel.displayItem(toQString(ann.guid));
    auto* tabs = panel.findChild<QTabWidget*>(QStringLiteral("panelTabs"));
    auto* values = panel.findChild<QTableWidget*>(QStringLiteral("panelValues"));
    auto* cellEdit = panel.findChild<QLineEdit*>(QStringLiteral("panelCellEdit"));
    tabs->setCurrentIndex(1);
    ASSERT_EQ(tabs->currentIndex(), 1);
    const auto found = values->findItems(QStringLiteral("Company"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const int row = found.front()->row();

    emit values->cellClicked(row, 1);
    EXPECT_FALSE(cellEdit->isHidden());
    cellEdit->setText(QStringLiteral("Quellmark"));
    press(cellEdit, Qt::Key_Down);  // commits and moves on
    EXPECT_TRUE(cellEdit->isHidden());
    EXPECT_EQ(values->item(row, 1)->text(), QStringLiteral("Quellmark"));
    EXPECT_EQ(values->currentRow(), row + 1);

    loseFocus(values);
    EXPECT_EQ(ann.GetVar(u"Company").AsText(), u"Quellmark");

    tabs->setCurrentIndex(2);
    EXPECT_TRUE(panel.findChild<QPlainTextEdit*>(QStringLiteral("panelShowValues"))
                    ->toPlainText()
                    .contains(QStringLiteral("Company: Quellmark")));
}

TEST_F(ItemPanelFixture, AnUnavailableTabKeepsTheNoteAndTellsTheAdvisor) {
    ItemPanel panel(doc);
    panel.displayItem(toQString(first.guid));
    panel.setEditValuesAvailable(false);
    auto* tabs = panel.findChild<QTabWidget*>(QStringLiteral("panelTabs"));
    tabs->setCurrentIndex(1);
    EXPECT_EQ(tabs->currentIndex(), 0);
    ASSERT_EQ(ui.advisor.size(), 1u);
    EXPECT_EQ(ui.advisor.front().substr(0, 19), u"Tab 'Edit values' i");
}

TEST_F(ItemPanelFixture, TheMainWindowShowsTheCurrentRowAndWritesBackOnTheNext) {
    MainWindow window(doc);
    window.refreshContents();
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentIndex(3);  // Notes
    auto* view = static_cast<QTreeView*>(tabs->currentWidget());
    auto* model = static_cast<ItemListModel*>(view->model());
    ASSERT_EQ(model->rowCount(), 2);
    auto* panel = window.findChild<ItemPanel*>();
    ASSERT_NE(panel, nullptr);

    const int firstRow = model->guidAt(0) == toQString(first.guid) ? 0 : 1;
    view->setCurrentIndex(model->index(firstRow, 0));
    QApplication::processEvents();
    ASSERT_EQ(panel->shownGuid(), toQString(first.guid));

    typeInto(panel->editor(), QStringLiteral("typed "));
    view->setCurrentIndex(model->index(1 - firstRow, 0));
    QApplication::processEvents();
    EXPECT_EQ(panel->shownGuid(), toQString(second.guid));
    EXPECT_EQ(first.GetPlainText(), u"typed one");
}
