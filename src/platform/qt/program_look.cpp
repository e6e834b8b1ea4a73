#include "platform/qt/program_look.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/qt/qt_fonts.h"

namespace lun4::platform {
namespace {

// The colours of the program's pictures.
const QColor kBackground(237, 241, 245);
const QColor kInk(33, 45, 54);
const QColor kInkSoft(88, 102, 113);
const QColor kInkFaint(137, 149, 159);
const QColor kLine(203, 211, 219);
const QColor kAccent(38, 112, 122);
const QColor kTint(223, 237, 239);

// Buttons of the program carry a word, never a stock icon beside it.
class ProgramStyle final : public QProxyStyle {
  public:
    explicit ProgramStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Only dialogs, menus and notes: the boxes laid over the frame keep their exact look.
const char* const kStyleSheet = R"(
QDialog { border: 1px solid #96A4B0; }
QDialog QPushButton {
    background: #5C6C7A; color: white; font-weight: bold;
    border: 1px solid #47535E; border-radius: 6px;
    padding: 5px 14px; min-height: 22px;
}
QDialog QPushButton:hover { background: #6C7C8A; }
QDialog QPushButton:pressed { background: #4A5864; }
QDialog QPushButton:default { background: #26707A; border-color: #1B545C; }
QDialog QPushButton:default:hover { background: #33828C; }
QDialog QPushButton:default:pressed { background: #1B545C; }
QDialog QPushButton:disabled { background: #C9D1D8; color: #8995A0; border-color: #B8C1C9; }
QMessageBox { background: white; border: 1px solid #96A4B0; }
QMessageBox QLabel#qt_msgbox_label { font-weight: bold; font-size: 19px; color: #212D36; padding-right: 16px; }
QMessageBox QLabel#qt_msgbox_informativelabel { color: #212D36; min-width: 440px; padding-right: 16px; }
QToolTip { background: white; color: #212D36; border: 1px solid #26707A; padding: 4px; }
)";

// Texts of the print dialog that Qt's own Polish catalogue leaves in English.
class MissingPolishTexts final : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            const char16_t* polish;
        };
        static constexpr Text kTexts[] = {
            {"QPrintSettingsOutput", "Pages", u"Strony"},
            {"QPrintSettingsOutput", "Double Sided Printing", u"Druk dwustronny"},
            {"QPrintSettingsOutput", "Off", u"Wyłączony"},
            {"QPrintSettingsOutput", "Long side binding", u"Łączenie wzdłuż dłuższej krawędzi"},
            {"QPrintSettingsOutput", "Short side binding", u"Łączenie wzdłuż krótszej krawędzi"},
        };
        if (context == nullptr || source == nullptr) return {};
        for (const Text& text : kTexts) {
            if (std::strcmp(context, text.context) == 0 && std::strcmp(source, text.source) == 0) {
                return QString::fromUtf16(text.polish);
            }
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

bool installPolishTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Installed last, asked first: it answers only for the texts the catalogue lacks.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new MissingPolishTexts(&app));
}

QStyle* makeProgramStyle(QStyle* base) {
    return new ProgramStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")));
}

void applyProgramLook(QApplication& app) {
    QApplication::setStyle(makeProgramStyle());
    // The edit font of the data form: the program's body text.
    QApplication::setFont(ui::qtFont(ui::FontId::Edit));
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kInk);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, kBackground);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::Button, kBackground);
    palette.setColor(QPalette::ButtonText, kInk);
    palette.setColor(QPalette::Highlight, kAccent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, kInk);
    palette.setColor(QPalette::PlaceholderText, kInkSoft);
    palette.setColor(QPalette::Link, kAccent);
    palette.setColor(QPalette::Mid, kLine);
    // setColor gives every state the colour; what cannot be chosen shows faint.
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Disabled, role, kInkFaint);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, kLine);
    QApplication::setPalette(palette);
    app.setStyleSheet(QString::fromLatin1(kStyleSheet));
}

void dressMessageBox(QMessageBox& box, const QString& caption, const QString& text,
                     double scale) {
    box.setWindowTitle(caption);
    // A window manager may show no title bar over a full-screen program: the caption is the
    // box's heading, as in the program's own dialogs.
    box.setTextFormat(Qt::PlainText);
    box.setText(caption);
    box.setInformativeText(text);
    if (scale == 1.0) return;
    // The sizes of the program's look, scaled as the frame is.
    const auto px = [scale](double pixels) {
        return QString::number(std::max(1L, std::lround(pixels * scale))) + QStringLiteral("px");
    };
    const double body = QApplication::font().pixelSize() > 0 ? QApplication::font().pixelSize()
                                                               : 16;
    box.setStyleSheet(
        QStringLiteral("QMessageBox, QMessageBox QLabel { font-size: %1; }"
                       "QMessageBox QLabel#qt_msgbox_label { font-size: %2; padding-right: %3; }"
                       "QMessageBox QLabel#qt_msgbox_informativelabel { min-width: %4; "
                       "padding-right: %3; }"
                       "QMessageBox QPushButton { font-size: %1; padding: %5 %6; "
                       "min-height: %7; border-radius: %8; }")
            .arg(px(body), px(19), px(16), px(440), px(5), px(14), px(22), px(6)));
}

QPixmap questionBadge(double scale) {
    const int size = static_cast<int>(std::lround(44 * scale));
    QPixmap badge(size, size);
    badge.fill(Qt::transparent);
    QPainter p(&badge);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kTint);
    p.drawEllipse(QRectF(0, 0, size, size));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(26 * scale)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(kAccent);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
    return badge;
}

void showStartProblem(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    dressMessageBox(box, caption, text);
    box.exec();
}

}  // namespace lun4::platform
