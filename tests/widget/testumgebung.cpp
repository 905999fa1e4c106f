// SPDX-License-Identifier: GPL-3.0-or-later
#include "testumgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

LaufendesProgramm::LaufendesProgramm()
    : programm(std::make_unique<Programm>(plattform)),
      oberflaeche(std::make_unique<qtfront::QtFrontEnd>(programm->app)) {
    plattform.setFrontEnd(oberflaeche.get());
    programm->starten();
    QWidget* start = fenster(programm->start);
    if (!QTest::qWaitForWindowActive(start)) qWarning("start window not active");
}

LaufendesProgramm::~LaufendesProgramm() {
    plattform.setFrontEnd(nullptr);
    oberflaeche.reset();  // the windows observe the screens: they go first
    programm.reset();
}

QWidget* LaufendesProgramm::widget(const toolkit::Element& element) const {
    QWidget* w = oberflaeche->widget(element);
    if (!w) qFatal("no widget for %s", element.fullName().c_str());
    return w;
}

QLineEdit* LaufendesProgramm::zeile(const toolkit::Element& element) const {
    return qobject_cast<QLineEdit*>(widget(element));
}

QTextEdit* LaufendesProgramm::feld(const toolkit::Element& element) const {
    return qobject_cast<QTextEdit*>(widget(element));
}

QLabel* LaufendesProgramm::beschriftung(const toolkit::Element& element) const {
    return qobject_cast<QLabel*>(widget(element));
}

QAbstractButton* LaufendesProgramm::knopf(const toolkit::Element& element) const {
    return qobject_cast<QAbstractButton*>(widget(element));
}

QWidget* LaufendesProgramm::fenster(const toolkit::Screen& screen) const {
    return oberflaeche->window(screen);
}

void LaufendesProgramm::klicken(const toolkit::Element& element) const {
    QWidget* w = widget(element);
    if (auto* edit = qobject_cast<QTextEdit*>(w)) w = edit->viewport();
    QTest::mouseClick(w, Qt::LeftButton);
}

void LaufendesProgramm::tippen(const QString& text) const {
    for (QChar c : text) {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel) qFatal("no widget has the focus");
        QTest::keyClick(ziel, c.toLatin1());
    }
}

void LaufendesProgramm::schreiben(const QString& text) const {
    for (QChar c : text) {
        QWidget* ziel = QApplication::focusWidget();
        if (!ziel) qFatal("no widget has the focus");
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(ziel, Qt::Key_Return);
        } else if (c.unicode() < 128) {
            QTest::keyClick(ziel, c.toLatin1());
        } else {
            const auto taste = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, ziel, taste, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, ziel, taste, QString(c), Qt::NoModifier);
        }
    }
}

void LaufendesProgramm::taste(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel) qFatal("no widget has the focus");
    QTest::keyClick(ziel, key, modifiers);
}

void LaufendesProgramm::spielStarten() const {
    klicken(programm->start.cmd_start);
    if (!QTest::qWaitForWindowActive(fenster(programm->main))) qWarning("main window not active");
}

DialogBeantworter::DialogBeantworter() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogBeantworter::pruefen);
    timer_.start();
}

void DialogBeantworter::knopf(const QString& text, std::function<QString()> beobachten) {
    antworten_.push_back([this, text, beobachten](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (!box) {
            ++unerwartet_;
            dialog->close();
            return;
        }
        if (beobachten) gesehen_.back().beiOeffnung = beobachten();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == text) {
                b->click();
                return;
            }
        }
        ++unerwartet_;
        box->reject();
    });
}

void DialogBeantworter::eingabe(const QString& text) {
    antworten_.push_back([this, text](QWidget* dialog) {
        auto* eingabe = qobject_cast<QInputDialog*>(dialog);
        if (!eingabe) {
            ++unerwartet_;
            dialog->close();
            return;
        }
        auto* zeile = eingabe->findChild<QLineEdit*>();
        QTest::keyClicks(zeile, text);
        eingabe->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

void DialogBeantworter::abbrechen() {
    antworten_.push_back([this](QWidget* dialog) {
        auto* eingabe = qobject_cast<QInputDialog*>(dialog);
        if (!eingabe) ++unerwartet_;
        auto* knoepfe = dialog->findChild<QDialogButtonBox*>();
        if (knoepfe && knoepfe->button(QDialogButtonBox::Cancel))
            knoepfe->button(QDialogButtonBox::Cancel)->click();
        else
            dialog->close();
    });
}

void DialogBeantworter::pruefen() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    GesehenerDialog g;
    g.titel = dialog->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        g.text = box->text();
        g.symbol = box->icon();
        for (QAbstractButton* b : box->buttons()) g.knoepfe << b->text();
    } else if (auto* eingabe = qobject_cast<QInputDialog*>(dialog)) {
        g.text = eingabe->labelText();
        for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
            g.knoepfe << b->text();
    }
    gesehen_.push_back(g);
    if (antworten_.empty()) {
        ++unerwartet_;
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->reject();
        else
            dialog->close();
        return;
    }
    auto antwort = std::move(antworten_.front());
    antworten_.pop_front();
    antwort(dialog);
}
