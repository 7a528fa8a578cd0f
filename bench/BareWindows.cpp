#include "BareWindows.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace bare {

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;

QFont TwelvePixelFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(12);
    return font;
}

void AddMenuBar(QWidget* window, QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(window);
    bar->setNativeMenuBar(false);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* quit = file->addAction(QStringLiteral("Quit"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, quit, [] { QCoreApplication::exit(0); });
    file->addAction(QStringLiteral("About"))->setMenuRole(QAction::AboutRole);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Undo"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    edit->addSeparator();
    edit->addAction(QStringLiteral("Cu&t"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    edit->addAction(QStringLiteral("&Copy"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    edit->addAction(QStringLiteral("&Paste"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    edit->addAction(QStringLiteral("Clear"));
    edit->addAction(QStringLiteral("Select All"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    for (QAction* action : edit->actions())
        action->setMenuRole(QAction::NoRole);
    layout->setMenuBar(bar);
}

// A top-level window with its menu bar and a content area of a fixed size.
QWidget* NewWindow(const QString& title, int width, int height, QWidget** content)
{
    auto* window = new QWidget(nullptr, kWindowFlags);
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    AddMenuBar(window, layout);
    *content = new QWidget(window);
    (*content)->setFixedSize(width, height);
    layout->addWidget(*content);
    return window;
}

QPushButton* NewButton(QWidget* parent, const QString& caption, const QRect& frame, const QString& tip)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setFont(TwelvePixelFont());
    button->setGeometry(frame);
    button->setToolTip(tip);
    return button;
}

QComboBox* NewPopup(QWidget* parent, const QStringList& rows, const QRect& frame, const QString& tip)
{
    auto* popup = new QComboBox(parent);
    popup->setFocusPolicy(Qt::StrongFocus);
    popup->setFont(TwelvePixelFont());
    popup->setGeometry(frame);
    popup->setToolTip(tip);
    popup->addItems(rows);
    popup->setCurrentIndex(0);
    return popup;
}

} // namespace

MainWindow BuildMainWindow()
{
    MainWindow m;
    QWidget* content = nullptr;
    m.window = NewWindow(QStringLiteral("Vexorin 2.1"), 359, 109, &content);
    m.game = NewPopup(content,
                      {"Select A Duskvale Game", "Duskvale 1", "Duskvale 2", "Duskvale 3", "Duskvale Ostrevane",
                       "Duskvale Wendrith", "Duskvale Skarnholt"},
                      {9, 8, 341, 22}, QStringLiteral("Click here to select a duskvale game"));
    auto* line = new QFrame(content);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(9, 33, 341, 4);
    m.platform = NewPopup(content, {"Select A Console", "Mac n PC", "Play Station", "Other"}, {9, 42, 341, 20},
                          QStringLiteral("Click here to select a conole EX. PlayStation Mac"));
    m.view = NewButton(content, QStringLiteral("View"), {281, 74, 69, 20},
                       QStringLiteral("Opens the window with the combination of Game+Console"));
    m.view->setDefault(true);
    m.quit = NewButton(content, QStringLiteral("Quit"), {9, 74, 69, 20}, QStringLiteral("Quits the program"));
    QWidget::setTabOrder(m.game, m.platform);
    QWidget::setTabOrder(m.platform, m.view);
    QWidget::setTabOrder(m.view, m.quit);

    m.window->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = m.window->frameGeometry().size();
        m.window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    return m;
}

QWidget* BuildCheatWindow(const QString& text)
{
    QWidget* content = nullptr;
    QWidget* window = NewWindow(QStringLiteral("Duskvale SKH Play Station"), 370, 281, &content);
    window->setAttribute(Qt::WA_DeleteOnClose);

    auto* edit = new QPlainTextEdit(content);
    edit->setTabChangesFocus(true);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setGeometry(1, 0, 362, 251);
    edit->setFont(TwelvePixelFont());
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    // The selection stays invisible while the text has not the focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::Text));
    edit->setPalette(palette);
    edit->setFrameShape(QFrame::StyledPanel);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setPlainText(text);
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    QPushButton* close = NewButton(content, QStringLiteral("Close"), {115, 257, 69, 20}, QString());
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    QWidget::setTabOrder(edit, close);
    // Lay the window out before its native window exists, so that its fixed
    // size goes to the platform once, when the window is created.
    window->adjustSize();
    return window;
}

void ShowWindow(QWidget* window)
{
    window->show();
    // The offscreen platform has no stacking order and warns on every raise().
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

} // namespace bare
