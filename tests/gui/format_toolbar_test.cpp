#include "gui/format_toolbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "core/rtf_reader.h"
#include "gui/rich_text_document.h"

namespace {

using Command = FormatToolBar::Command;

std::span<const uint8_t> bytesOf(std::string_view s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

// An editor with its toolbar and another field in one active window, as in the item panel.
struct FormatToolBarFixture : ::testing::Test {
    QWidget window;
    QTextEdit* editor = new QTextEdit;
    QLineEdit* otherField = new QLineEdit;
    FormatToolBar* toolbar = new FormatToolBar(editor);

    FormatToolBarFixture() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(toolbar);
        layout->addWidget(editor);
        layout->addWidget(otherField);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        editor->setFocus();
    }

    void load(std::string_view rtf) { DvSetDocumentRtf(*editor->document(), bytesOf(rtf)); }

    void select(int from, int to) {
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }

    void moveTo(int position) { select(position, position); }

    DvRichText saved() const { return DvRtfParse(bytesOf(DvDocumentRtf(*editor->document()))); }

    // Which characters are bold, as a string of '*' and '.'.
    std::string boldMap() const {
        const DvRichText doc = saved();
        std::string map(doc.text.size(), '.');
        for (const DvTextRun& run : doc.runs) {
            if (run.format.bold) map.replace(run.start, run.length, run.length, '*');
        }
        return map;
    }
};

TEST_F(FormatToolBarFixture, CtrlBBoldsTheSelectionAndTheCheckMarkFollowsTheCursor) {
    load(R"({\rtf1 Hello brave world})");
    select(6, 11);
    QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(boldMap(), "......*****......");
    EXPECT_TRUE(toolbar->action(Command::Bold)->isChecked());

    moveTo(2);
    EXPECT_FALSE(toolbar->action(Command::Bold)->isChecked());
    moveTo(9);
    EXPECT_TRUE(toolbar->action(Command::Bold)->isChecked());

    select(14, 8);  // the cursor ends inside the bold word, so the key makes the whole selection plain
    QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(boldMap(), "......**.........");
}

TEST_F(FormatToolBarFixture, ShortcutsBelongToTheEditor) {
    load(R"({\rtf1 Hello})");
    editor->selectAll();
    otherField->setFocus();
    QTest::keyClick(otherField, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(boldMap(), ".....");
    EXPECT_FALSE(editor->document()->isModified());
}

TEST_F(FormatToolBarFixture, RemoveFormattingLeavesPlainTextInTheEditorsFont) {
    load(R"({\rtf1{\colortbl ;\red255\green0\blue0;}\qc \b\i\ul\strike\cf1\fs40 styled\b0\i0\ulnone\strike0\cf0\fs24  plain})");
    editor->selectAll();
    toolbar->action(Command::RemoveFormatting)->trigger();

    const DvRichText doc = saved();
    ASSERT_EQ(doc.text, u"styled plain");
    DvCharFormat plain;
    plain.fontSize = int(editor->document()->defaultFont().pointSizeF() * 2);
    ASSERT_EQ(doc.runs.size(), 1u);
    EXPECT_EQ(doc.runs[0].format, plain);
    EXPECT_EQ(doc.paragraphs.at(0).alignment, DvAlignment::Center) << "paragraph formatting stays";
    EXPECT_FALSE(toolbar->action(Command::Bold)->isChecked());
    EXPECT_FALSE(toolbar->action(Command::Underline)->isChecked());
}

}  // namespace
