// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/qt/qt_platform.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QPixmapCache>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <exception>
#include <random>
#include <stdexcept>

#include "screens/qt/print_page.h"
#include "screens/qt/qt_front_end.h"
#include "screens/qt/units.h"
#include "screens/toolkit/failure.h"

namespace qtfront {

namespace {

QString windowTitle(const std::string& title) {
    return title.empty() ? QString::fromUtf8(QtPlatform::defaultTitle) : shownCaption(title);
}

QMessageBox::Icon icon(int buttons) {
    switch (buttons & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtPlatform::attach(QtFrontEnd& frontEnd) {
    if (frontEnd_) throw std::logic_error("the platform has a front end already");
    frontEnd_ = &frontEnd;
}

void QtPlatform::detach(QtFrontEnd& frontEnd) {
    if (frontEnd_ == &frontEnd) frontEnd_ = nullptr;
}

QWidget* QtPlatform::dialogParent() const {
    return frontEnd_ ? frontEnd_->activeWindow() : nullptr;
}

int QtPlatform::messageBox(const std::string& text, int buttons, const std::string& title) {
    QMessageBox box(icon(buttons), windowTitle(title), shownCaption(text), QMessageBox::NoButton,
                    dialogParent());
    box.setTextFormat(Qt::PlainText);
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    if ((buttons & 7) == toolkit::yes_no) {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(static_cast<QPushButton*>(yes));
        box.setEscapeButton(no);
    } else {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    box.exec();
    if (!yes) return toolkit::answer_ok;
    return box.clickedButton() == yes ? toolkit::answer_yes : toolkit::answer_no;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title) {
    QInputDialog dialog(dialogParent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(windowTitle(title));
    dialog.setLabelText(shownCaption(prompt));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setTextValue(QString());
    dialog.resize(420, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
}

Background QtPlatform::background() {
    return [this](const std::function<void()>& work) { runInBackground(work); };
}

void QtPlatform::printScreen(toolkit::Screen& screen) {
    QWidget* window = frontEnd_ ? frontEnd_->window(screen) : nullptr;
    if (!window) throw std::logic_error("no window for " + screen.name());
    std::unique_ptr<PrintTarget> target =
        printTarget_ ? printTarget_() : defaultPrinter(background());

    const QString title = shownCaption(screen.caption());
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("no temporary folder for the printed page: " +
                                 folder.errorString().toStdString());
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter page(file);
        page.setTitle(title);
        page.setCreator(QCoreApplication::applicationName());
        page.setPageLayout(target->pageLayout());
        if (!printPage(*window, page))
            throw std::runtime_error("the printed page could not be created: " +
                                     file.toStdString());
    }
    target->send(file, title);
}

void QtPlatform::programEnded() {
    ended_ = true;
    // Leave the event loop once the running handler is done; main() destroys
    // the windows and the screens after exec() has returned. exit() rather
    // than quit(): quit() would first try to close the windows.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

std::optional<std::string> QtPlatform::clipboardText() {
    const QMimeData* content = QGuiApplication::clipboard()->mimeData();
    if (!content || !content->hasText()) return std::nullopt;
    return content->text().toStdString();
}

namespace {

// Swallows the user's input for its lifetime: keys, mouse, wheel, touch,
// drag and drop, context menus and a window's close button. Everything else
// (painting, timers, the window system's other events) goes on.
class InputDiscarder : public QObject {
  public:
    InputDiscarder() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDiscarder() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::InputMethod:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TouchCancel:
            case QEvent::TabletPress:
            case QEvent::TabletMove:
            case QEvent::TabletRelease:
            case QEvent::NativeGesture:
            case QEvent::Gesture:
            case QEvent::ContextMenu:
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
            case QEvent::Close:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void QtPlatform::runInBackground(const std::function<void()>& work) {
    std::exception_ptr failure;
    const std::function<void()> gate = backgroundGate_;
    std::unique_ptr<QThread> worker(QThread::create([&work, &failure, &gate] {
        try {
            if (gate) gate();
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop waiting;
    // Queued across the threads: delivered once the loop below runs, even
    // when the work is done before it starts.
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        // Input that arrives meanwhile is dropped rather than held back: held
        // back, it would act on what the work leaves (digits typed into the
        // new puzzle, a restart that wipes it). What the window system still
        // holds when the work ends goes the same way.
        InputDiscarder discarder;
        worker->start();
        waiting.exec();
        worker->wait();
        QCoreApplication::processEvents();
    }
    QApplication::restoreOverrideCursor();
    if (failure) std::rethrow_exception(failure);
}

unsigned QtPlatform::randomSeed() {
    return std::random_device{}();
}

std::optional<std::string> QtPlatform::saveFileName(const std::string& title,
                                                    const std::string& proposed) {
    QFileDialog dialog(dialogParent(), windowTitle(title), QDir::currentPath());
    // Qt's own dialog rather than the desktop's: it is a window of this
    // program, transient for the screen's window on every windowing system
    // (a desktop's dialog under Wayland is a stranger's window), and it
    // speaks German like the rest of the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(shownCaption(proposed));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog leaves throwaway pictures in Qt's pixmap cache (its file
    // list's header makes a new one for every paint), where they would stay
    // until the cache is full, 10 MB later. Emptying the cache costs no more
    // than drawing a few cached button faces again.
    QPixmapCache::clear();
    if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

void QtPlatform::writePdf(toolkit::Screen& screen, const std::string& path,
                          const FileWriter& write) {
    QWidget* window = frontEnd_ ? frontEnd_->window(screen) : nullptr;
    if (!window) throw std::logic_error("no window for " + screen.name());
    const QPageLayout layout = printTarget_ ? printTarget_()->pageLayout() : pdfPageLayout();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn;
    {
        QPdfWriter page(&buffer);
        page.setTitle(shownCaption(screen.caption()));
        page.setCreator(QCoreApplication::applicationName());
        page.setPageLayout(layout);
        drawn = printPage(*window, page);
    }
    if (!drawn) throw std::runtime_error("cannot draw the page for " + path);
    write(path, bytes.toStdString());
}

}  // namespace qtfront
