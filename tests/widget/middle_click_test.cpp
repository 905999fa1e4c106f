// SPDX-License-Identifier: GPL-3.0-or-later
// A middle click (the mouse wheel pressed) into every kind of text input of
// the program, in real windows on an X server (run under xvfb-run), through
// the X server itself with xdotool, while no program owns the primary
// selection: each input stays as it was and the program goes on.

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QTextEdit>
#include <QtTest>

#include "widget_fixture.h"

namespace {

// Counts the middle button releases that reach a widget.
class MiddleReleases : public QObject {
  public:
    explicit MiddleReleases(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    ~MiddleReleases() override {
        if (widget_) widget_->removeEventFilter(this);
    }
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            ++count_;
        return false;
    }

  private:
    QPointer<QWidget> widget_;
    int count_ = 0;
};

}  // namespace

class MiddleClickTest : public ProgramTest {
    Q_OBJECT

  private:
    // Presses and releases the middle button over the widget's centre through
    // the X server, and waits until the release has reached the widget.
    void middleClick(QWidget* widget) {
        QVERIFY(QTest::qWaitForWindowExposed(widget->window()));
        MiddleReleases releases(widget);
        const QPoint point = widget->mapToGlobal(widget->rect().center());
        QCOMPARE(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(point.x()),
                                               QString::number(point.y()), "click", "2"}),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(releases.count() > 0, 10000);
    }

    void middleClickKeepsTheText(toolkit::Element& box, QWidget* widget) {
        const std::string before = box.text();
        middleClick(widget);
        QCOMPARE(box.text(), before);
        QVERIFY(!p->program->app.ended());
    }

  private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == "xcb", "this test needs a real X server");
        QVERIFY(QGuiApplication::clipboard()->supportsSelection());
    }
    void init() {
        p = std::make_unique<RunningProgram>();
        // The case that crashed: nobody owns the primary selection, which
        // then offers no format at all.
        const QMimeData* selection = QGuiApplication::clipboard()->mimeData(QClipboard::Selection);
        QVERIFY2(!selection || selection->formats().isEmpty(), "the selection is owned");
    }
    void cleanup() { p.reset(); }

    void intoTheExplanationBox() {
        clickExplanation("Erklärung\n");
        QTextEdit* field = p->field(start().txt_Erkl);
        QVERIFY(field->isVisible());
        middleClickKeepsTheText(start().txt_Erkl, field->viewport());
    }

    void intoABoardCellAndTheFieldsOfThePrintScreen() {
        p->startGame();
        middleClickKeepsTheText(main().txt_m(1), p->widget(main().txt_m(1)));
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        middleClickKeepsTheText(druck().txt_eing(0), p->widget(druck().txt_eing(0)));
        middleClickKeepsTheText(druck().txt_eing(3), p->field(druck().txt_eing(3))->viewport());
    }

    void intoTheInputBox() {
        p->startGame();
        bool clicked = false;
        QString text = "not seen";
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            answer.stop();
            middleClick(dialog->findChild<QLineEdit*>());
            clicked = true;
            text = dialog->textValue();
            dialog->reject();
        });
        answer.start(10);
        p->click(main().cmd_save);
        QVERIFY(clicked);
        QCOMPARE(text, QString());
        QVERIFY(!p->program->app.ended());
    }
};

QTEST_MAIN(MiddleClickTest)
#include "middle_click_test.moc"
