#include "ControlKinds.h"
#include "Private.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>

namespace rt {

namespace {

// A position in a text area's stored text, counted both ways: in code
// points, as the program counts, and in UTF-16 units, as the toolkit does.
// A stored CR or LF stands for one block separator, one unit either way; so
// does a CR LF pair, which the toolkit reads as one line break: two code
// points, one unit.
struct TextPosition {
    std::int64_t points = 0;
    std::int64_t units = 0;
};

// Walks the stored UTF-8 text a character at a time (a CR LF pair is one
// step) until stop(position) holds.
template <class Stop>
TextPosition Walk(const std::string& text, Stop stop)
{
    TextPosition at;
    for (std::size_t i = 0; i < text.size() && !stop(at);) {
        if (text.compare(i, 2, "\r\n") == 0) {
            at.points += 2;
            ++at.units;
            i += 2;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        at.units += length == 4 ? 2 : 1;
        ++at.points;
        i += length;
    }
    return at;
}

std::int64_t Utf16Offset(const std::string& text, std::int64_t codePoints)
{
    const TextPosition at = Walk(text, [codePoints](TextPosition p) { return p.points >= codePoints; });
    return at.units + std::max<std::int64_t>(0, codePoints - at.points);
}

int CodePointOffset(const std::string& text, int utf16)
{
    return static_cast<int>(Walk(text, [utf16](TextPosition p) { return p.units >= utf16; }).points);
}

// Moves the cursor (and so the selection) without scrolling: setting a
// cursor would bring it into view, and a selection changes nothing else.
void SetCursorInPlace(QPlainTextEdit& edit, const QTextCursor& cursor)
{
    QScrollBar* vertical = edit.verticalScrollBar();
    QScrollBar* horizontal = edit.horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    edit.setTextCursor(cursor);
    vertical->setValue(top);
    horizontal->setValue(left);
}

// A text offset clamped to the document: 0 to its last position.
int Clamped(std::int64_t offset, const QPlainTextEdit& edit)
{
    const std::int64_t limit = edit.document()->characterCount() - 1;
    return static_cast<int>(std::clamp<std::int64_t>(offset, 0, limit));
}

// A text area's colours on the toolkit's palette. Every role they touch is
// set, the toolkit's own included, so that as a palette of the text area's own
// it overrides the shared one below in each of them.
QPalette TextAreaPalette(const PropertyStore& stored)
{
    const QPalette toolkit = QApplication::palette();
    QPalette p = toolkit;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Text, QPalette::Base, QPalette::Highlight, QPalette::HighlightedText})
            p.setBrush(group, role, toolkit.brush(group, role));
    }
    if (auto it = stored.find("TextColor"); it != stored.end())
        p.setColor(QPalette::Text, QColorOf(std::get<Color>(it->second)));
    if (auto it = stored.find("BackColor"); it != stored.end())
        p.setColor(QPalette::Base, QColorOf(std::get<Color>(it->second)));
    // A hidden selection: while the control has not the focus, the selection
    // is drawn in the text's own colours.
    const auto hide = stored.find("HideSelection");
    if (hide != stored.end() && std::get<bool>(hide->second)) {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Base));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::Text));
    }
    return p;
}

// The style caches pictures of a text area's scroll bar under its palette's
// cache key, and a palette set on a widget gets a key of its own: a window
// opened again and again would add pictures that no later one finds, and the
// cache keeps them all. So text areas of alike colours take them from one
// class palette instead, that of the first text area whose colours are set;
// only text areas of other colours get palettes of their own.
void SetTextColors(ControlPrivate& c)
{
    static const char* const kClass = "QPlainTextEdit";
    auto& edit = c.As<QPlainTextEdit>();
    const QPalette wanted = TextAreaPalette(c.stored);
    if (QApplication::palette(kClass).isCopyOf(QApplication::palette())) {
        // Without a resolve mask, every text area that takes it holds the
        // class palette itself rather than a resolved copy of it.
        QPalette shared = wanted;
        shared.setResolveMask(0);
        QApplication::setPalette(shared, kClass);
    }
    if (wanted == QApplication::palette(kClass)) {
        if (edit.testAttribute(Qt::WA_SetPalette))
            edit.setPalette(QPalette());
    } else {
        edit.setPalette(wanted);
    }
}

QWidget* CreateTextArea(ControlPrivate& d, QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    // Even a text area without colours of its own needs them set: the class
    // palette would give it another text area's.
    d.coloursPending = true;
    // The stored text follows what the user types, line breaks as CRs. It is
    // read raw: the toolkit's plain text would turn no-break spaces into blanks.
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&d, edit] {
        if (d.settingText)
            return;
        QString raw = edit->document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
        raw.replace(QChar::LineSeparator, QLatin1Char('\r'));
        d.text = raw.toStdString();
    });
    // What the Edit menu offers follows the selection.
    QObject::connect(edit, &QPlainTextEdit::selectionChanged, edit, [&d] {
        if (auto window = d.window.lock())
            Internals::Of(*window).UpdateMenus();
    });
    // A bar that is always shown is enabled only while there is something to scroll.
    QScrollBar* bar = edit->verticalScrollBar();
    auto enable = [bar] { bar->setEnabled(bar->maximum() > bar->minimum()); };
    QObject::connect(bar, &QScrollBar::rangeChanged, bar, enable);
    enable();
    return edit;
}

void FinishTextArea(ControlPrivate& c)
{
    if (c.coloursPending)
        SetTextColors(c);
    c.coloursPending = false;
}

} // namespace

const ControlKind& TextAreaKind()
{
    using R = ControlRows;
    static const PropertyTable<ControlPrivate> table(Join({
        CommonRows(),
        FontRows(),
        DataRows(),
        {
            R::Set<const std::string&>("Text",
                                       [](ControlPrivate& c, const std::string& text) {
                                           static_cast<TextArea&>(c.q).SetText(text);
                                       }),
            R::Set<bool>("ReadOnly",
                         [](ControlPrivate& c, bool on) {
                             auto& edit = c.As<QPlainTextEdit>();
                             edit.setReadOnly(on);
                             if (on)
                                 edit.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
                         }),
            R::Keep<bool>("Multiline"),
            R::Set<bool>("Border",
                         [](ControlPrivate& c, bool on) {
                             c.As<QPlainTextEdit>().setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
                         }),
            R::Set<bool>("ScrollbarHorizontal",
                         [](ControlPrivate& c, bool on) {
                             auto& edit = c.As<QPlainTextEdit>();
                             edit.setLineWrapMode(on ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
                             edit.setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
                         }),
            R::Set<bool>("ScrollbarVertical",
                         [](ControlPrivate& c, bool on) {
                             // Always there, so that the text wraps at one width whatever
                             // its length; it is enabled while there is something to scroll.
                             c.As<QPlainTextEdit>().setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn
                                                                                  : Qt::ScrollBarAlwaysOff);
                         }),
            R::Keep<bool>("Styled"),
            R::Keep<bool>("UseFocusRing"),
            R::Set<bool>("HideSelection", [](ControlPrivate& c, bool) { c.coloursPending = true; }),
            R::Set<Color>("TextColor", [](ControlPrivate& c, Color) { c.coloursPending = true; }),
            R::Set<Color>("BackColor", [](ControlPrivate& c, Color) { c.coloursPending = true; }),
            R::Keep<std::string>("Format"),
            R::Keep<std::string>("Mask"),
            R::Keep<std::int32_t>("LimitText"),
            R::Set<bool>("AcceptTabs", [](ControlPrivate& c, bool on) { c.As<QPlainTextEdit>().setTabChangesFocus(!on); }),
            R::Keep<std::int32_t>("Alignment"), // 0: the default, left-aligned text
            R::Keep<bool>("AutomaticallyCheckSpelling"),
        },
    }));
    static const ControlKind kind{
        .className = "TextArea",
        .table = table,
        .create = &CreateTextArea,
        .finish = &FinishTextArea,
    };
    return kind;
}

TextArea::TextArea() : TextControl(TextAreaKind()) {}

std::string TextArea::Text() const { return Private().text; }

void TextArea::SetText(const std::string& text)
{
    auto& d = Private();
    auto& edit = d.As<QPlainTextEdit>();
    d.text = text;
    d.settingText = true;
    edit.setPlainText(QString::fromStdString(text));
    d.settingText = false;
}

bool TextArea::ReadOnly() const { return Private().As<QPlainTextEdit>().isReadOnly(); }

int TextArea::SelStart() const
{
    const auto cursor = Private().As<QPlainTextEdit>().textCursor();
    return CodePointOffset(Private().text, cursor.selectionStart());
}

int TextArea::SelLength() const
{
    const auto cursor = Private().As<QPlainTextEdit>().textCursor();
    const auto& text = Private().text;
    return CodePointOffset(text, cursor.selectionEnd()) - CodePointOffset(text, cursor.selectionStart());
}

void TextArea::SetSelStart(int start)
{
    auto& edit = Private().As<QPlainTextEdit>();
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(Clamped(Utf16Offset(Private().text, std::max(0, start)), edit));
    SetCursorInPlace(edit, cursor);
}

void TextArea::SetSelLength(int length)
{
    auto& edit = Private().As<QPlainTextEdit>();
    QTextCursor cursor = edit.textCursor();
    const auto& text = Private().text;
    // In 64 bits: a start plus a length near INT_MAX must clamp, not overflow.
    const std::int64_t end = std::int64_t{CodePointOffset(text, cursor.selectionStart())} + std::max(0, length);
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(Clamped(Utf16Offset(text, end), edit), QTextCursor::KeepAnchor);
    SetCursorInPlace(edit, cursor);
}

} // namespace rt
