// SPDX-License-Identifier: GPL-3.0-or-later
// Paste and drop of empty, odd and huge data into the free text boxes: the
// box takes the plain text, cut to its limit, or nothing, and the program
// goes on.

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <vector>

#include "screens/qt/text_box_view.h"
#include "widget_fixture.h"

namespace {

// Data as a paste or a drop brings it, and the text a free box keeps of it.
struct Data {
    const char* name;
    std::function<QMimeData*()> make;
    std::string kept;
};

std::vector<Data> oddData() {
    const QString huge(10 * 1024 * 1024, u'x');
    return {
        {"no format", [] { return new QMimeData; }, ""},
        {"empty text",
         [] {
             auto* d = new QMimeData;
             d->setText(QString());
             return d;
         },
         ""},
        {"no text format",
         [] {
             auto* d = new QMimeData;
             d->setData("application/octet-stream", QByteArray("\0\1\2", 3));
             return d;
         },
         ""},
        {"NUL characters",
         [] {
             auto* d = new QMimeData;
             d->setText(QString::fromUtf8("a\0b", 3));
             return d;
         },
         "ab"},
        {"10 MB of text",
         [huge] {
             auto* d = new QMimeData;
             d->setText(huge);
             return d;
         },
         std::string(qtfront::maxInsertedChars, 'x')},
    };
}

// A drop as a drag brings it: the drag enters, then drops.
void drop(QWidget* target, const Data& data) {
    std::unique_ptr<QMimeData> dropped(data.make());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, dropped.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, dropped.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

}  // namespace

class ClipboardTest : public ProgramTest {
    Q_OBJECT

  private slots:
    void init() {
        // The print screen's windows are made when it is first shown.
        startGame();
        p->click(main().cmd_druck);
    }
    void cleanup() { p.reset(); }

    void pasteAndDropOfOddDataIntoAFreeBoxOfSeveralLines() {
        for (toolkit::Element* box : {&start().txt_Erkl, &druck().txt_eing(3)}) {
            QTextEdit* field = p->field(*box);
            for (const Data& data : oddData()) {
                box->setText("");
                QGuiApplication::clipboard()->setMimeData(data.make());
                field->paste();
                QVERIFY2(box->text() == data.kept, data.name);

                box->setText("");
                drop(field->viewport(), data);
                QVERIFY2(box->text() == data.kept, data.name);
            }
        }
    }

    // Repeated pastes and typing stop at the same limit for the whole text;
    // a selection typed over still takes the key.
    void aFreeBoxOfSeveralLinesHoldsTheLimitInAll() {
        toolkit::Element& box = druck().txt_eing(3);
        QTextEdit* field = p->field(box);
        box.setText("ab");
        field->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QString(qtfront::maxInsertedChars, u'x'));
        field->paste();
        field->paste();
        QTest::keyClick(field, Qt::Key_Y);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(box.text().size(), std::size_t(qtfront::maxInsertedChars));
        QCOMPARE(box.text().substr(box.text().size() - 2), std::string("xx"));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Z);
        QCOMPARE(box.text(), std::string("z"));
    }

    // A one-line box is Qt's own QLineEdit: it takes nothing of data
    // without text, and no more than its length limit.
    void pasteAndDropOfOddDataIntoAFreeBoxOfOneLine() {
        toolkit::Element& box = druck().txt_eing(0);
        QLineEdit* line = p->line(box);
        for (const Data& data : oddData()) {
            box.setText("");
            QGuiApplication::clipboard()->setMimeData(data.make());
            line->paste();
            QVERIFY2(box.text().size() <= 32767, data.name);
            if (data.kept.empty()) QVERIFY2(box.text().empty(), data.name);

            box.setText("");
            drop(line, data);
            if (data.kept.empty()) QVERIFY2(box.text().empty(), data.name);
        }
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
