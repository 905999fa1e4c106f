// SPDX-License-Identifier: GPL-3.0-or-later
// The board cells' menu and shortcuts, the busy cursor of background work,
// and the print page written into a real PDF file.

#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <future>
#include <stdexcept>

#include "screens/qt/key_forwarding.h"
#include "widget_fixture.h"

namespace {

const char* const puzzle =
    "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n.6....28.\n...419..5\n"
    "....8..79";

QStringList actionTexts(const QMenu& menu) {
    QStringList texts;
    for (QAction* action : menu.actions()) texts << action->text();
    return texts;
}

}  // namespace

class AssistantTest : public ProgramTest {
    Q_OBJECT

  private:
    // Opens the element's right-click menu as a user does; `inMenu` runs
    // while the menu is open and may trigger an action.
    void rightClick(const toolkit::Element& element, std::function<void(QMenu&)> inMenu) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            seen = true;
            inMenu(*menu);
            if (menu->isVisible()) menu->close();
        });
        QWidget* w = p->widget(element);
        // A mouse's context menu event reaches a table at its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, w->rect().center(),
                                w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &event);
        QVERIFY(seen);
    }

    void openPrintScreen() {
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
    }

    // Ctrl+S on the print screen, the file dialog answered with the file; a
    // user who is asked whether to replace it says yes.
    void savePdfAs(const QString& file) {
        p->window(druck())->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        p->click(druck().txt_eing(0));
        QTimer::singleShot(0, [file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        p->key(Qt::Key_S, Qt::ControlModifier);
    }

    void refusedSave(const QString& file) {
        DialogAnswerer dialogs;
        dialogs.button("OK");
        savePdfAs(file);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].text, QString("Die PDF-Datei konnte nicht geschrieben werden!"));
        checkPrintScreenRestored();
    }

    static void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray readFile(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void init() { startGame(); }
    void cleanup() { p.reset(); }

    void theCellMenuListsItsItemsAndARightClickTakesTheFocus() {
        QStringList items, submenu;
        rightClick(main().txt_m(40), [&](QMenu& menu) {
            items = actionTexts(menu);
            submenu = actionTexts(*menu.actions().at(1)->menu());
        });
        // An item's shortcut stands after a tab, in Qt's words for the keys.
        const auto withKey = [](const QString& text, QKeyCombination key) {
            return text + '\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        };
        QCOMPARE(items,
                 (QStringList{withKey("Sudoku einfügen", Qt::CTRL | Qt::Key_V), "Neues Sudoku", "",
                              "Lösbarkeit prüfen", withKey("Eingaben prüfen", Qt::CTRL | Qt::Key_E),
                              withKey("Hinweis", Qt::CTRL | Qt::Key_H)}));
        QCOMPARE(submenu, (QStringList{"leicht", "mittel", "schwer", "sehr schwer", "extrem"}));
        QCOMPARE(main().activeElement(), &main().txt_m(40));
    }

    void aMenuItemRunsItsCommand() {
        DialogAnswerer dialogs;
        dialogs.button("OK");
        rightClick(main().txt_m(1), [](QMenu& menu) { menu.actions().at(3)->trigger(); });
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].title, QString("Prüfung"));
        QCOMPARE(dialogs.seen()[0].icon, QMessageBox::Information);
        QCOMPARE(dialogs.seen()[0].text, QString("Das Sudoku hat mehr als eine Lösung."));
    }

    void shortcutsReachTheModelBeforeTheKeyFilter() {
        QGuiApplication::clipboard()->setText(puzzle);
        p->click(main().txt_m(1));
        p->key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(main().back, 30);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(3)));

        const std::string caption = main().cmd_einlesen_vorgabe.text();
        main().cmd_einlesen_vorgabe.setText("Datei einlesen");
        p->key(Qt::Key_Left);
        p->key(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), p->widget(main().txt_m(11)));
        QCOMPARE(main().cmd_einlesen_vorgabe.text(), std::string("Datei einlesen"));
        main().cmd_einlesen_vorgabe.setText(caption);

        // Ctrl+H arrives with the text of a Backspace; it gives the hint
        // and the named cell the focus.
        DialogAnswerer dialogs;
        dialogs.button("OK");
        QTest::keyClick(p->widget(main().txt_m(11)), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(dialogs.seen().size(), std::size_t(1));
        QCOMPARE(dialogs.seen()[0].title, QString("Hinweis"));
        QCOMPARE(main().activeElement(), &main().txt_m(41));
        QCOMPARE(main().back, 30);
    }

    // Any key that types no character reaches the model as a chord, by its
    // key and with its modifiers; a key that types one does not.
    void everyKeyPressMapsToItsChord() {
        const auto name = [](Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
            const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
            const auto chord = qtfront::keyChord(event);
            return chord ? QString::fromStdString(toolkit::chordName(*chord)) : QString("-");
        };
        QCOMPARE(name(Qt::Key_H, Qt::ControlModifier, "\b"), QString("Ctrl+H"));
        QCOMPARE(name(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, ""),
                 QString("Ctrl+Shift+Z"));
        QCOMPARE(name(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier, "1"), QString("Ctrl+1"));
        QCOMPARE(name(Qt::Key_F10, Qt::ShiftModifier, ""), QString("Shift+F10"));
        QCOMPARE(name(Qt::Key_Menu, Qt::NoModifier, ""), QString("Menu"));
        QCOMPARE(name(Qt::Key_Escape, Qt::NoModifier, "\x1b"), QString("Escape"));
        QCOMPARE(name(Qt::Key_5, Qt::AltModifier, "5"), QString("-"));
        QCOMPARE(name(Qt::Key_A, Qt::ShiftModifier, "A"), QString("-"));
        QCOMPARE(name(Qt::Key_Return, Qt::NoModifier, "\r"), QString("-"));
        // A menu shows an item's chord beside it, and a disabled item greyed.
        QCOMPARE(qtfront::keySequence(*toolkit::chordFromName("Ctrl+Shift+Z")),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        const auto menu = std::make_shared<toolkit::ContextMenu>([](toolkit::Element&) {
            return std::vector<toolkit::MenuItem>{
                {"Wiederholen", [] {}, {}, toolkit::chordFromName("Ctrl+Y"), true},
                {"Entfernen", [] {}, {}, std::nullopt, false}};
        });
        main().txt_m(5).setContextMenu(menu);
        QStringList texts;
        QList<QKeySequence> bound;
        QList<bool> enabled;
        rightClick(main().txt_m(5), [&](QMenu& m) {
            for (QAction* action : m.actions()) {
                texts << action->text();
                bound << action->shortcut();
                enabled << action->isEnabled();
            }
        });
        const QString ctrlY = QKeySequence(Qt::CTRL | Qt::Key_Y).toString(QKeySequence::NativeText);
        QCOMPARE(texts, (QStringList{"Wiederholen\t" + ctrlY, "Entfernen"}));
        // Only shown: the menu binds no key of its own.
        QCOMPARE(bound, (QList<QKeySequence>{{}, {}}));
        QCOMPARE(enabled, (QList<bool>{true, false}));
    }

    void backgroundWorkShowsTheBusyCursorAndKeepsTheLoopRunning() {
        std::promise<void> release;
        std::future<void> released = release.get_future();
        Qt::CursorShape during = Qt::ArrowCursor;
        QTimer::singleShot(0, [&] {
            if (const QCursor* cursor = QApplication::overrideCursor()) during = cursor->shape();
            release.set_value();
        });
        p->platform.runInBackground([&] { released.wait(); });
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, p->platform.runInBackground([] {
            throw std::runtime_error("failed");
        }));
        QVERIFY(!QApplication::overrideCursor());
    }

    // Input while "Neues Sudoku" generates is dropped: a digit typed, "Neu
    // starten" and "Sudoku verlassen" clicked and the window's close button
    // meanwhile leave the new puzzle as generated, with its givens fixed,
    // and ask nothing. The worker is held until the input is in.
    void inputDuringAGenerationIsDiscarded() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        p->platform.setBackgroundGate([released] { released.wait(); });
        bool held = false;
        const auto inputMeanwhile = [&] {
            held = QApplication::overrideCursor() != nullptr;
            p->click(main().txt_m(1));
            QTest::keyClick(p->widget(main().txt_m(1)), '7');
            p->click(main().cmd_neustart);
            p->click(main().cmd_exit);
            // What the window system sends for the close button.
            QCloseEvent close;
            QApplication::sendEvent(p->window(main())->windowHandle(), &close);
            release.set_value();
        };
        DialogAnswerer dialogs;
        rightClick(main().txt_m(1), [&](QMenu& menu) {
            QTimer::singleShot(0, inputMeanwhile);
            menu.actions().at(1)->menu()->actions().at(0)->trigger();
        });
        QVERIFY(held);
        QCOMPARE(dialogs.seen().size(), std::size_t(0));
        QVERIFY(p->window(main())->isVisible());
        QVERIFY(!p->platform.ended());
        int givens = 0;
        for (int k = 1; k <= 81; ++k) {
            if (main().txt_m(k).text().empty()) continue;
            ++givens;
            QVERIFY2(main().txt_m(k).italic(), qPrintable(QString("cell %1").arg(k)));
        }
        QVERIFY(givens >= 17);
    }

    void theSavedPdfHoldsThePrintedPage() {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        intoCell(1, "5");
        p->click(main().cmd_druck);
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        intoField(0, "Wochenrätsel");

        QStringList gridItems;
        rightClick(druck().flx_print, [&](QMenu& menu) { gridItems = actionTexts(menu); });
        QCOMPARE(
            gridItems,
            QStringList{"Als PDF speichern…\t" +
                        QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText)});
        p->window(druck())->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p->window(druck())));
        p->click(druck().txt_eing(0));

        const QString file = dir.filePath("seite.pdf");
        QString proposed;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            proposed = dialog->selectedFiles().value(0);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        p->key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFileInfo(proposed).fileName(), QString("sudoku.pdf"));
        QVERIFY(QFileInfo::exists(file));
        checkPrintScreenRestored();

        QProcess reader;
        reader.start(pdftotext, {"-layout", file, "-"});
        QVERIFY(reader.waitForFinished(30000));
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(text.contains("Wochenrätsel"), qPrintable(text));
        QVERIFY2(text.contains("5"), qPrintable(text));
    }

    // The PDF save replaces only what a puzzle save would: no write-protected
    // file (also for root), no link loop, no named pipe, nothing in a folder
    // that does not exist; each refusal with the message, the target as it
    // was and no file left behind. A link is followed, and stays.
    void thePdfSaveKeepsWhatThePuzzleSaveKeeps() {
        openPrintScreen();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString protectedFile = dir.filePath("geschuetzt.pdf");
        writeFile(protectedFile, "alt");
        QVERIFY(QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(QFile::link("kreis2.pdf", dir.filePath("kreis1.pdf")));
        QVERIFY(QFile::link("kreis1.pdf", dir.filePath("kreis2.pdf")));
        const QString pipe = dir.filePath("rohr.pdf");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        for (const QString& target :
             {protectedFile, dir.filePath("kreis1.pdf"), pipe, dir.filePath("fehlt/seite.pdf")})
            refusedSave(target);
        QCOMPARE(readFile(protectedFile), QByteArray("alt"));
        QCOMPARE(QFileInfo(dir.filePath("kreis1.pdf")).symLinkTarget(), dir.filePath("kreis2.pdf"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
                 (QStringList{"geschuetzt.pdf", "kreis1.pdf", "kreis2.pdf", "rohr.pdf"}));

        writeFile(dir.filePath("ziel.pdf"), "alt");
        QVERIFY(QFile::link("ziel.pdf", dir.filePath("verweis.pdf")));
        DialogAnswerer dialogs;
        savePdfAs(dir.filePath("verweis.pdf"));
        QCOMPARE(dialogs.seen().size(), std::size_t(0));
        QVERIFY(QFileInfo(dir.filePath("verweis.pdf")).isSymLink());
        QVERIFY(readFile(dir.filePath("ziel.pdf")).startsWith("%PDF"));
    }

    void thePdfSaveKeepsAnotherUsersFile() {
        if (::geteuid() != 0)
            QSKIP(
                "only root can give a file to another user here; the rule itself is tested "
                "by PuzzleFileReplace.OnlyAUsersOwnFileThatItsOwnerMayWriteIsReplaced");
        openPrintScreen();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath("fremd.pdf");
        writeFile(file, "fremd");
        QCOMPARE(::chown(QFile::encodeName(file).constData(), 65534, 65534), 0);
        QVERIFY(QFile::link("fremd.pdf", dir.filePath("verweis.pdf")));
        refusedSave(file);
        refusedSave(dir.filePath("verweis.pdf"));
        QCOMPARE(readFile(file), QByteArray("fremd"));
        QCOMPARE(QFileInfo(file).ownerId(), 65534u);
    }
};

QTEST_MAIN(AssistantTest)
#include "assistant_test.moc"
