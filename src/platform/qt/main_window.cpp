#include "platform/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <utility>

#include "files/file_system.h"
#include "platform/odt_writer.h"
#include "platform/qt/program_look.h"
#include "platform/qt/qt_keys.h"
#include "ui/qt/qt_fonts.h"

namespace lun4::platform {

MainWindow::MainWindow(DataPaths& paths, int depth) : paths_(paths), images_(paths, depth) {
    setWindowTitle(QStringLiteral("LUN4_TORVA"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(programIcon());
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the frame, beside a box, leaves the keyboard where it was: in the box.
    setFocusPolicy(Qt::NoFocus);
    buffers_[0] = std::make_unique<ui::QtSurface>();
    buffers_[0]->setBackgroundMode(ui::BackgroundMode::Transparent);
    window_.setBackgroundMode(ui::BackgroundMode::Transparent);
    resize(ui::kFrameWidth, ui::kFrameHeight);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The controls' widgets are children of this window and go with it; the wrappers first
    // cut their connections to them.
    for (auto& c : controls_) c.reset();
    for (auto& c : checkBoxes_) c.reset();
}

ui::Surface& MainWindow::backBuffer(int index) {
    auto& buffer = buffers_[index];
    if (!buffer) buffer = std::make_unique<ui::QtSurface>();
    return *buffer;
}

ui::TextControl& MainWindow::control(ui::ControlId id) {
    auto& slot = controls_[static_cast<int>(id)];
    if (!slot) {
        slot = std::make_unique<QtTextControl>(this, ui::controlLayout(id));
        slot->place(mapping_);
    }
    return *slot;
}

ui::CheckBox& MainWindow::checkBox(ui::CheckBoxId id) {
    auto& slot = checkBoxes_[static_cast<int>(id)];
    if (!slot) {
        slot = std::make_unique<QtCheckBox>(this, ui::checkBoxLayout(id));
        slot->place(mapping_);
    }
    return *slot;
}

void MainWindow::showOnWholeScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) setGeometry(screen->geometry());
    // Without a window manager the geometry alone covers the screen; with one, the
    // full-screen state keeps panels away.
    showFullScreen();
    raise();
    activateWindow();
}

void MainWindow::updateMapping() {
    mapping_ = fitFrame(width(), height());
    for (auto& control : controls_) {
        if (control) control->place(mapping_);
    }
    for (auto& box : checkBoxes_) {
        if (box) box->place(mapping_);
    }
}

ui::Point MainWindow::toFrame(QPoint p) const {
    return platform::toFrame(mapping_, p.x(), p.y());
}

void MainWindow::present() {
    window_.copyWhole(*buffers_[0]);
    update();
}

void MainWindow::showWindowSurface() {
    update();
}

void MainWindow::pause(int ms) {
    if (pauseFunction_) {
        pauseFunction_(ms);
        return;
    }
    // The pressed image must really be on screen during the pause: paint now, then wait
    // while mouse and keyboard input stays queued for afterwards.
    repaint();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::showMessage(std::string_view caption, std::string_view text) {
    const QString c = ui::toQString(caption);
    const QString t = ui::toQString(text);
    if (message_) {
        message_(c, t);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, c, t, QMessageBox::Ok, this);
    dressMessageBox(box, c, t, mapping_.scale);
    box.exec();
}

bool MainWindow::ask(std::string_view caption, std::string_view text, std::string_view first,
                     std::string_view second, ui::Answer escape) {
    const QString c = ui::toQString(caption);
    const QString t = ui::toQString(text);
    const QString a = ui::toQString(first);
    const QString b = ui::toQString(second);
    if (question_) return question_(c, t, a, b);
    QMessageBox box(QMessageBox::NoIcon, c, t, QMessageBox::NoButton, this);
    dressMessageBox(box, c, t, mapping_.scale);
    box.setIconPixmap(questionBadge(mapping_.scale));
    QPushButton* chosenByEnter = box.addButton(a, QMessageBox::AcceptRole);
    QPushButton* other = box.addButton(b, QMessageBox::DestructiveRole);
    box.setDefaultButton(chosenByEnter);
    // Escape and the box's own close button give the answer that changes nothing.
    box.setEscapeButton(escape == ui::Answer::Second ? other : chosenByEnter);
    box.exec();
    return box.clickedButton() != other;
}

ui::Answer MainWindow::askOrCancel(std::string_view caption, std::string_view text,
                                   std::string_view first, std::string_view second,
                                   std::string_view cancel) {
    const QString c = ui::toQString(caption);
    const QString t = ui::toQString(text);
    const QStringList answers = {ui::toQString(first), ui::toQString(second),
                                 ui::toQString(cancel)};
    if (threeWayQuestion_) return threeWayQuestion_(c, t, answers);
    QMessageBox box(QMessageBox::NoIcon, c, t, QMessageBox::NoButton, this);
    dressMessageBox(box, c, t, mapping_.scale);
    box.setIconPixmap(questionBadge(mapping_.scale));
    QPushButton* chosenByEnter = box.addButton(answers[0], QMessageBox::AcceptRole);
    QPushButton* other = box.addButton(answers[1], QMessageBox::DestructiveRole);
    QPushButton* back = box.addButton(answers[2], QMessageBox::RejectRole);
    box.setDefaultButton(chosenByEnter);
    // Escape and the box's own close button take the way back.
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() == chosenByEnter) return ui::Answer::First;
    if (box.clickedButton() == other) return ui::Answer::Second;
    return ui::Answer::Cancel;
}

ui::Settings& MainWindow::settings() {
    if (!settings_) settings_ = std::make_unique<QtSettings>();
    return *settings_;
}

namespace {

// The folder a dialog starts in: the one asked for, else the user's documents or home folder.
QString startingFolder(const std::filesystem::path& asked) {
    QString folder = QString::fromStdU16String(asked.u16string());
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return folder;
}

std::filesystem::path toPath(const QString& chosen) {
    return std::filesystem::path(chosen.toStdU16String());
}

}  // namespace

std::optional<std::filesystem::path> MainWindow::askOpenPath(const ui::SaveRequest& request) {
    const QString folder = startingFolder(request.folder);
    const QString caption = ui::toQString(request.caption);
    const QString extension =
        QString::fromUtf8(request.extension.data(), qsizetype(request.extension.size()));
    const QString filter =
        ui::toQString(request.fileType) + QStringLiteral(" (*.") + extension + QLatin1Char(')');
    QString chosen;
    if (openDialog_) {
        chosen = openDialog_(caption, folder, filter);
    } else {
        chosen = QFileDialog::getOpenFileName(this, caption, folder, filter);
        update();
    }
    if (chosen.isEmpty()) return std::nullopt;
    return toPath(chosen);
}

std::optional<std::filesystem::path> MainWindow::askFolder(std::string_view caption,
                                                          const std::filesystem::path& start) {
    const QString folder = startingFolder(start);
    const QString title = ui::toQString(caption);
    QString chosen;
    if (folderDialog_) {
        chosen = folderDialog_(title, folder);
    } else {
        chosen = QFileDialog::getExistingDirectory(this, title, folder);
        update();
    }
    if (chosen.isEmpty()) return std::nullopt;
    return toPath(chosen);
}

std::optional<std::filesystem::path> MainWindow::askSavePath(const ui::SaveRequest& request) {
    const QString folder = startingFolder(request.folder);
    const QString caption = ui::toQString(request.caption);
    const QString proposed = QDir(folder).filePath(ui::toQString(request.proposedName));
    const QString extension =
        QString::fromUtf8(request.extension.data(), qsizetype(request.extension.size()));
    const QString filter =
        ui::toQString(request.fileType) + QStringLiteral(" (*.") + extension + QLatin1Char(')');
    QString chosen;
    if (saveDialog_) {
        chosen = saveDialog_(caption, proposed, filter);
    } else {
        QFileDialog dialog(this, caption, proposed, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(extension);
        dialog.selectFile(proposed);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            chosen = dialog.selectedFiles().constFirst();
        }
        // The frame under the dialog is shown again as it was.
        update();
    }
    if (chosen.isEmpty()) return std::nullopt;
    if (!extension.isEmpty() &&
        !chosen.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive)) {
        chosen += QLatin1Char('.') + extension;
    }
    return std::filesystem::path(chosen.toStdString());
}

bool MainWindow::writeEditableDocument(const ui::FlowDocument& document,
                                       const std::filesystem::path& path, std::string& error) {
    return writeOdt(document, path, paths_, systemFileSystem(), error);
}

void MainWindow::quit() {
    quitting_ = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void MainWindow::showAbout() {
    if (about_) {
        about_();
        return;
    }
    QDialog dialog(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("About"));
    dialog.setFixedSize(345, 122);
    // The box's places are fixed: its text in the program's font, small enough for them.
    QFont font = dialog.font();
    font.setPixelSize(14);
    dialog.setFont(font);
    auto* label = new QLabel(QStringLiteral("LUN4_TORVA Version 1.0"), &dialog);
    label->setGeometry(73, 12, 185, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(262, 10, 70, 28);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (!aboutDetails_.isEmpty()) {
        // Where the examinee files are: below the box's own text, which keeps its place.
        auto* details = new QLabel(aboutDetails_, &dialog);
        details->setWordWrap(true);
        details->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->setGeometry(16, 48, 460, 84);
        dialog.setFixedSize(490, 140);
        ok->setGeometry(404, 10, 70, 28);
    }
    dialog.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        const bool mark = key->key() == Qt::Key_Question || key->key() == Qt::Key_Slash ||
                          key->text() == QStringLiteral("?") || key->text() == QStringLiteral("/");
        if (alt && mark && QApplication::activeModalWidget() == nullptr) {
            showAbout();
            return true;
        }
        if (boxKey(watched, *key)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::boxKey(QObject* box, const QKeyEvent& event) {
    if (!key_ || QApplication::activeModalWidget() != nullptr) return false;
    for (const auto& control : controls_) {
        if (!control || control->widget() != box) continue;
        const ui::KeyPress press = translateKey(event);
        // Every other key edits the text; Enter is a line break in a box of several lines.
        const bool answers = press.key == ui::Key::Escape ||
                             (press.key == ui::Key::Enter &&
                              (press.ctrl || !control->multiLine()));
        return answers && key_(press);
    }
    return false;
}

void MainWindow::paintEvent(QPaintEvent*) {
    if (repaintNeeded_) {
        // Only the very first paint composes; later ones show what the window holds.
        repaintNeeded_ = false;
        if (compose_) compose_();
        if (firstFrame_) QTimer::singleShot(0, this, std::exchange(firstFrame_, nullptr));
    }
    QPainter painter(this);
    const QRect target(mapping_.offsetX, mapping_.offsetY,
                       static_cast<int>(std::lround(ui::kFrameWidth * mapping_.scale)),
                       static_cast<int>(std::lround(ui::kFrameHeight * mapping_.scale)));
    if (target != rect()) {
        painter.fillRect(rect(), Qt::black);
    }
    if (mapping_.scale == 1.0) {
        painter.drawImage(target.topLeft(), window_.image());
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, window_.image());
    }
}

void MainWindow::resizeEvent(QResizeEvent*) {
    updateMapping();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    const ui::Point p = toFrame(event->position().toPoint());
    if (moved_) moved_(p.x, p.y);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const ui::Point p = toFrame(event->position().toPoint());
    if (pressed_) pressed_(p.x, p.y);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const ui::Point p = toFrame(event->position().toPoint());
    if (doubleClicked_) {
        doubleClicked_(p.x, p.y);
    } else if (pressed_) {
        pressed_(p.x, p.y);
    }
}

// Keys the boxes over the frame do not take reach the screens; the rest is left alone.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys without a meaning for the screens (Shift, Ctrl and F1 alone) are not handed on.
    const ui::KeyPress press = translateKey(*event);
    if (key_ && press.key != ui::Key::None) key_(press);
    event->accept();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || !close_) {
        event->accept();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return;
    }
    event->ignore();
    close_();
}

QIcon programIcon() {
    // A teal tile with three rising bars, the mark of the entry screen. Drawn without text, so
    // that the start does not wait for the font system.
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
        p.fillPath(tile, QColor(38, 112, 122));
        const double unit = size / 16.0;
        const double heights[3] = {4, 7, 10};
        for (int i = 0; i < 3; ++i) {
            QPainterPath bar;
            bar.addRoundedRect(QRectF(unit * (4 + 3 * i), unit * (12.5 - heights[i]), unit * 1.8,
                                      unit * heights[i]),
                               unit * 0.9, unit * 0.9);
            p.fillPath(bar, Qt::white);
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace lun4::platform
