// SPDX-License-Identifier: GPL-3.0-or-later
// What a user meets in the windows beyond their layout: Qt's own texts in
// German, a focus mark seen on every colour, no stray selection, the
// program's icon on every window, and names for a screen reader.

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "testumgebung.h"

class UsabilityTest : public ProgrammTest {
    Q_OBJECT

  private slots:
    void init() {
        p = std::make_unique<LaufendesProgramm>();
        p->spielStarten();
    }
    void cleanup() { p.reset(); }

    void qtsOwnTextsAreGerman() {
        p->klicken(main().cmd_druck);
        std::unique_ptr<QMenu> menu(p->zeile(druck().txt_eing(0))->createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), QString("&Rückgängig"));
    }
};

QTEST_MAIN(UsabilityTest)
#include "usability_test.moc"
