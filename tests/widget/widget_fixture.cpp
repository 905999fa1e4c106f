// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

RunningProgram::RunningProgram()
    : program(std::make_unique<Program>(platform)),
      frontEnd(std::make_unique<qtfront::QtFrontEnd>(platform, program->app)) {
    program->startProgram();
    QWidget* start = window(program->start);
    if (!QTest::qWaitForWindowActive(start)) qWarning("start window not active");
}

RunningProgram::~RunningProgram() {
    frontEnd.reset();  // the windows observe the screens: they go first
    program.reset();
}

QWidget* RunningProgram::widget(const toolkit::Element& element) const {
    QWidget* w = frontEnd->widget(element);
    if (!w) qFatal("no widget for %s", element.fullName().c_str());
    return w;
}

QLineEdit* RunningProgram::line(const toolkit::Element& element) const {
    return qobject_cast<QLineEdit*>(widget(element));
}

QTextEdit* RunningProgram::field(const toolkit::Element& element) const {
    return qobject_cast<QTextEdit*>(widget(element));
}

QLabel* RunningProgram::caption(const toolkit::Element& element) const {
    return qobject_cast<QLabel*>(widget(element));
}

QAbstractButton* RunningProgram::button(const toolkit::Element& element) const {
    return qobject_cast<QAbstractButton*>(widget(element));
}

QWidget* RunningProgram::window(const toolkit::Screen& screen) const {
    return frontEnd->window(screen);
}

void RunningProgram::click(const toolkit::Element& element) const {
    QWidget* w = widget(element);
    if (auto* edit = qobject_cast<QTextEdit*>(w)) w = edit->viewport();
    QTest::mouseClick(w, Qt::LeftButton);
}

void RunningProgram::typeText(const QString& text) const {
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (!target) qFatal("no widget has the focus");
        QTest::keyClick(target, c.toLatin1());
    }
}

void RunningProgram::typeFreeText(const QString& text) const {
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (!target) qFatal("no widget has the focus");
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(target, Qt::Key_Return);
        } else if (c.unicode() < 128) {
            QTest::keyClick(target, c.toLatin1());
        } else {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, target, key, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, key, QString(c), Qt::NoModifier);
        }
    }
}

void RunningProgram::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QWidget* target = QApplication::focusWidget();
    if (!target) qFatal("no widget has the focus");
    QTest::keyClick(target, key, modifiers);
}

void RunningProgram::startGame() const {
    click(program->start.cmd_start);
    if (!QTest::qWaitForWindowActive(window(program->main))) qWarning("main window not active");
}

DialogAnswerer::DialogAnswerer() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::check);
    timer_.start();
}

void DialogAnswerer::button(const QString& text, std::function<QString()> watch) {
    answers_.push_back([this, text, watch](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) {
            ++unexpected_;
            dialog->close();
            return;
        }
        if (watch) seen_.back().atOpening = watch();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == text) {
                b->click();
                return;
            }
        }
        ++unexpected_;
        box->reject();
    });
}

void DialogAnswerer::input(const QString& text) {
    answers_.push_back([this, text](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        if (!input) {
            ++unexpected_;
            dialog->close();
            return;
        }
        auto* line = input->findChild<QLineEdit*>();
        QTest::keyClicks(line, text);
        input->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

void DialogAnswerer::cancelNext() {
    answers_.push_back([this](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        if (!input) ++unexpected_;
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (buttons && buttons->button(QDialogButtonBox::Cancel))
            buttons->button(QDialogButtonBox::Cancel)->click();
        else
            dialog->close();
    });
}

void DialogAnswerer::check() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    SeenDialog g;
    g.title = dialog->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        g.text = box->text();
        g.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) g.buttons << b->text();
    } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
        g.text = input->labelText();
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            g.buttons << b->text();
    }
    seen_.push_back(g);
    if (answers_.empty()) {
        ++unexpected_;
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->reject();
        else
            dialog->close();
        return;
    }
    auto answer = std::move(answers_.front());
    answers_.pop_front();
    answer(dialog);
}
