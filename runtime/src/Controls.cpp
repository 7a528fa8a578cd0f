#include "Private.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include <cmath>

namespace rt {

namespace {

int IntOf(const Value& v) { return std::get<std::int32_t>(v); }
bool BoolOf(const Value& v) { return std::get<bool>(v); }
const std::string& StringOf(const Value& v) { return std::get<std::string>(v); }
QString QStringOf(const Value& v) { return QString::fromStdString(StringOf(v)); }
QColor ColorOf(const Value& v)
{
    const auto c = std::get<Color>(v);
    return {c.red, c.green, c.blue};
}

class CanvasWidget : public QWidget {
public:
    using QWidget::QWidget;
    Ref<Picture> picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture)
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), picture->Private().image);
    }
};

// UTF-16 offset of a code-point offset in the stored text, where each stored
// CR stands for one block separator.
int Utf16Offset(const std::string& text, int codePoints)
{
    int units = 0;
    int seen = 0;
    for (std::size_t i = 0; i < text.size() && seen < codePoints;) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        units += length == 4 ? 2 : 1;
        ++seen;
        i += length;
    }
    return units + std::max(0, codePoints - seen);
}

int CodePointOffset(const std::string& text, int utf16)
{
    int units = 0;
    int points = 0;
    for (std::size_t i = 0; i < text.size() && units < utf16;) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        units += length == 4 ? 2 : 1;
        ++points;
        i += length;
    }
    return points;
}

using Entry = PropertyEntry<ControlPrivate>;
using Table = PropertyTable<ControlPrivate>;

std::vector<Entry> CommonEntries()
{
    return {
        {"Name", 3, [](ControlPrivate& c, const Value& v) { c.name = StringOf(v); }},
        {"Index", 1, nullptr},
        {"Left", 1, [](ControlPrivate& c, const Value& v) { c.SetGeometryPart(0, IntOf(v)); }},
        {"Top", 1, [](ControlPrivate& c, const Value& v) { c.SetGeometryPart(1, IntOf(v)); }},
        {"Width", 1, [](ControlPrivate& c, const Value& v) { c.SetGeometryPart(2, IntOf(v)); }},
        {"Height", 1, [](ControlPrivate& c, const Value& v) { c.SetGeometryPart(3, IntOf(v)); }},
        {"LockLeft", 0, nullptr},
        {"LockTop", 0, nullptr},
        {"LockRight", 0, nullptr},
        {"LockBottom", 0, nullptr},
        {"TabPanelIndex", 1, nullptr},
        {"TabIndex", 1, [](ControlPrivate& c, const Value& v) { c.tabIndex = IntOf(v); }},
        {"TabStop", 0,
         [](ControlPrivate& c, const Value& v) {
             // Only controls that take the focus at all take part in the Tab order.
             c.tabStop = BoolOf(v);
             if (c.Widget().focusPolicy() != Qt::NoFocus)
                 c.Widget().setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
         }},
        {"Enabled", 0, [](ControlPrivate& c, const Value& v) { c.Widget().setEnabled(BoolOf(v)); }},
        {"Visible", 0, [](ControlPrivate& c, const Value& v) { c.Widget().setVisible(BoolOf(v)); }},
        {"HelpTag", 3, [](ControlPrivate& c, const Value& v) { c.Widget().setToolTip(QStringOf(v)); }},
        {"AutoDeactivate", 0, nullptr},
        {"InitialParent", 3, nullptr},
    };
}

std::vector<Entry> FontEntries()
{
    auto refont = [](ControlPrivate& c, const Value&) { c.fontPending = true; };
    return {
        {"TextFont", 3, refont},
        {"Bold", 0, refont},
        {"Italic", 0, refont},
        {"Underline", 0, refont},
    };
}

std::vector<Entry> DataEntries()
{
    return {{"DataSource", 3, nullptr}, {"DataField", 3, nullptr}};
}

std::vector<Entry> Join(std::initializer_list<std::vector<Entry>> parts)
{
    std::vector<Entry> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Table& PopupTable()
{
    static const Table table(Join({
        CommonEntries(),
        FontEntries(),
        DataEntries(),
        {
            {"InitialValue", 3,
             [](ControlPrivate& c, const Value& v) {
                 auto& box = c.As<QComboBox>();
                 box.clear();
                 QString rows = QStringOf(v);
                 rows.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
                 rows.replace(QLatin1Char('\n'), QLatin1Char('\r'));
                 if (!rows.isEmpty())
                     box.addItems(rows.split(QLatin1Char('\r')));
             }},
            {"ListIndex", 1, [](ControlPrivate& c, const Value& v) { c.As<QComboBox>().setCurrentIndex(IntOf(v)); }},
        },
    }));
    return table;
}

const Table& ButtonTable()
{
    static const Table table(Join({
        CommonEntries(),
        FontEntries(),
        {
            {"Caption", 3, [](ControlPrivate& c, const Value& v) { c.As<QPushButton>().setText(QStringOf(v)); }},
            {"Default", 0,
             [](ControlPrivate& c, const Value& v) {
                 c.isDefault = BoolOf(v);
                 c.As<QPushButton>().setDefault(c.isDefault);
             }},
            {"Cancel", 0, [](ControlPrivate& c, const Value& v) { c.isCancel = BoolOf(v); }},
            {"ButtonStyle", 1, nullptr},
        },
    }));
    return table;
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
        p.setColor(QPalette::Text, ColorOf(it->second));
    if (auto it = stored.find("BackColor"); it != stored.end())
        p.setColor(QPalette::Base, ColorOf(it->second));
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

const Table& TextAreaTable()
{
    auto colours = [](ControlPrivate& c, const Value&) { c.coloursPending = true; };
    static const Table table(Join({
        CommonEntries(),
        FontEntries(),
        DataEntries(),
        {
            {"Text", 3, [](ControlPrivate& c, const Value& v) { static_cast<TextArea&>(c.q).SetText(StringOf(v)); }},
            {"ReadOnly", 0,
             [](ControlPrivate& c, const Value& v) {
                 auto& edit = c.As<QPlainTextEdit>();
                 edit.setReadOnly(BoolOf(v));
                 if (BoolOf(v))
                     edit.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
             }},
            {"Multiline", 0, nullptr},
            {"Border", 0,
             [](ControlPrivate& c, const Value& v) {
                 c.As<QPlainTextEdit>().setFrameShape(BoolOf(v) ? QFrame::StyledPanel : QFrame::NoFrame);
             }},
            {"ScrollbarHorizontal", 0,
             [](ControlPrivate& c, const Value& v) {
                 auto& edit = c.As<QPlainTextEdit>();
                 edit.setLineWrapMode(BoolOf(v) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
                 edit.setHorizontalScrollBarPolicy(BoolOf(v) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
             }},
            {"ScrollbarVertical", 0,
             [](ControlPrivate& c, const Value& v) {
                 // Always there, so that the text wraps at one width whatever
                 // its length; it is enabled while there is something to scroll.
                 c.As<QPlainTextEdit>().setVerticalScrollBarPolicy(BoolOf(v) ? Qt::ScrollBarAlwaysOn
                                                                             : Qt::ScrollBarAlwaysOff);
             }},
            {"Styled", 0, nullptr},
            {"UseFocusRing", 0, nullptr},
            {"HideSelection", 0, colours},
            {"TextColor", 2, colours},
            {"BackColor", 2, colours},
            {"Format", 3, nullptr},
            {"Mask", 3, nullptr},
            {"LimitText", 1, nullptr},
            {"AcceptTabs", 0, [](ControlPrivate& c, const Value& v) { c.As<QPlainTextEdit>().setTabChangesFocus(!BoolOf(v)); }},
            {"Alignment", 1, nullptr}, // 0: the default, left-aligned text
            {"AutomaticallyCheckSpelling", 0, nullptr},
        },
    }));
    return table;
}

const Table& LabelTable()
{
    static const Table table(Join({
        CommonEntries(),
        FontEntries(),
        DataEntries(),
        {
            {"Text", 3, [](ControlPrivate& c, const Value& v) { c.As<QLabel>().setText(QStringOf(v)); }},
            {"TextAlign", 1,
             [](ControlPrivate& c, const Value& v) {
                 const int code = IntOf(v);
                 const Qt::Alignment h = code == 1 ? Qt::AlignHCenter : code == 2 ? Qt::AlignRight : Qt::AlignLeft;
                 c.As<QLabel>().setAlignment(h | Qt::AlignVCenter);
             }},
            {"TextColor", 2,
             [](ControlPrivate& c, const Value& v) {
                 auto& label = c.As<QLabel>();
                 QPalette p = label.palette();
                 p.setColor(QPalette::WindowText, ColorOf(v));
                 label.setPalette(p);
             }},
            {"Multiline", 0, [](ControlPrivate& c, const Value& v) { c.As<QLabel>().setWordWrap(BoolOf(v)); }},
            {"Selectable", 0,
             [](ControlPrivate& c, const Value& v) {
                 c.As<QLabel>().setTextInteractionFlags(BoolOf(v) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
             }},
            {"Transparent", 0, [](ControlPrivate& c, const Value& v) { c.Widget().setAutoFillBackground(!BoolOf(v)); }},
        },
    }));
    return table;
}

const Table& CanvasTable()
{
    static const Table table(Join({
        CommonEntries(),
        {
            {"UseFocusRing", 0, nullptr},
            {"AcceptFocus", 0,
             [](ControlPrivate& c, const Value& v) { c.Widget().setFocusPolicy(BoolOf(v) ? Qt::StrongFocus : Qt::NoFocus); }},
            {"AcceptTabs", 0, nullptr},
            {"DoubleBuffer", 0, nullptr},
            {"EraseBackground", 0, nullptr},
        },
    }));
    return table;
}

const Table& SeparatorTable()
{
    static const Table table(CommonEntries());
    return table;
}

const Table& TableFor(const Control& control)
{
    const std::string name = control.ClassName();
    if (name == "PopupMenu") return PopupTable();
    if (name == "PushButton") return ButtonTable();
    if (name == "TextArea") return TextAreaTable();
    if (name == "Label") return LabelTable();
    if (name == "Canvas") return CanvasTable();
    return SeparatorTable();
}

QWidget* CreateWidget(const Control& control, QWidget* parent)
{
    const std::string name = control.ClassName();
    if (name == "PopupMenu")
        return new QComboBox(parent);
    if (name == "PushButton") {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    if (name == "TextArea") {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        return edit;
    }
    if (name == "Label")
        return new QLabel(parent);
    if (name == "Canvas") {
        auto* canvas = new CanvasWidget(parent);
        canvas->setFocusPolicy(Qt::NoFocus);
        return canvas;
    }
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}

} // namespace

// --- ControlPrivate -----------------------------------------------------

QWidget& ControlPrivate::Widget() const
{
    if (!widget)
        RaiseNilObjectException();
    return *widget;
}

void ControlPrivate::SetGeometryPart(int index, int value)
{
    geometry[index] = value;
    Widget().setGeometry(geometry[0], geometry[1], geometry[2], geometry[3]);
}

void ControlPrivate::FinishProperties()
{
    if (fontPending)
        ApplyFont();
    if (coloursPending)
        SetTextColors(*this);
    fontPending = coloursPending = false;
}

void ControlPrivate::ApplyFont()
{
    QFont font = QApplication::font();
    if (auto it = stored.find("TextFont"); it != stored.end()) {
        const auto& family = std::get<std::string>(it->second);
        if (!family.empty() && family != "System")
            font.setFamily(QString::fromStdString(family));
    }
    // Unit 0 counts one point per pixel, so text fits the designs' fixed sizes.
    if (textSize > 0.0f) {
        if (textUnit == 0)
            font.setPixelSize(static_cast<int>(std::lround(textSize)));
        else
            font.setPointSizeF(textSize);
    }
    auto flag = [this](const char* name) {
        auto it = stored.find(name);
        return it != stored.end() && std::get<bool>(it->second);
    };
    font.setBold(flag("Bold"));
    font.setItalic(flag("Italic"));
    font.setUnderline(flag("Underline"));
    Widget().setFont(font);
}

void ControlPrivate::Raise(Event event)
{
    auto it = handlers.find(event);
    if (it == handlers.end())
        return;
    // Handlers may close the window: run copies, with the control kept alive.
    auto self = q.shared_from_this();
    auto list = it->second;
    for (const auto& handler : list)
        RunProgramCode(handler);
}

// --- Control ------------------------------------------------------------

Control::Control() : d_(std::make_unique<ControlPrivate>(*this)) {}
Control::~Control()
{
    if (d_->widget) {
        // Its lambdas refer to this control: none may run once it has gone.
        QObject::disconnect(d_->widget, nullptr, nullptr, nullptr);
        d_->widget->deleteLater();
    }
}

ControlPrivate& Control::Private() const
{
    return *d_;
}

const std::string& Control::Name() const
{
    return d_->name;
}

void Control::SetProperties(const Properties& list)
{
    ApplyProperties(*d_, ClassName(), d_->stored, TableFor(*this), list);
}

std::optional<Value> Control::PropertyValue(std::string_view name) const
{
    if (auto it = d_->stored.find(name); it != d_->stored.end())
        return it->second;
    return std::nullopt;
}

Ref<Window> Control::Window() const
{
    return Ref<rt::Window>(d_->window.lock());
}

void Control::AddEventHandler(Event event, std::function<void()> handler)
{
    if (event == Event::Action && ClassName() != "PushButton")
        throw RuntimeException("class " + ClassName() + " has no Action event");
    d_->handlers[event].push_back(std::move(handler));
}

bool Control::Enabled() const { return d_->Widget().isEnabled(); }
bool Control::Visible() const { return !d_->Widget().isHidden(); }
bool Control::HasFocus() const { return d_->Widget().hasFocus(); }
void Control::SetFocus() { d_->Widget().setFocus(Qt::OtherFocusReason); }
int Control::TabIndex() const { return d_->tabIndex; }

void TextControl::SetTextSize(float size)
{
    Private().textSize = size;
    Private().ApplyFont();
}
float TextControl::TextSize() const { return Private().textSize; }
void TextControl::SetTextUnit(int unit)
{
    Private().textUnit = unit;
    Private().ApplyFont();
}
int TextControl::TextUnit() const { return Private().textUnit; }

// --- PopupMenu ----------------------------------------------------------

void PopupMenu::AddRow(const std::string& text)
{
    Private().As<QComboBox>().addItem(QString::fromStdString(text));
}
int PopupMenu::ListCount() const { return Private().As<QComboBox>().count(); }
std::string PopupMenu::List(int row) const
{
    auto& box = Private().As<QComboBox>();
    if (row < 0 || row >= box.count())
        throw RuntimeException("popup row " + std::to_string(row) + " is out of bounds");
    return box.itemText(row).toStdString();
}
int PopupMenu::ListIndex() const { return Private().As<QComboBox>().currentIndex(); }
void PopupMenu::SetListIndex(int row) { Private().As<QComboBox>().setCurrentIndex(row); }
std::string PopupMenu::Text() const
{
    auto& box = Private().As<QComboBox>();
    return box.currentIndex() < 0 ? std::string() : box.currentText().toStdString();
}

// --- PushButton ---------------------------------------------------------

std::string PushButton::Caption() const { return Private().As<QPushButton>().text().toStdString(); }
bool PushButton::Default() const { return Private().isDefault; }
bool PushButton::Cancel() const { return Private().isCancel; }
void PushButton::Push()
{
    auto& button = Private().As<QPushButton>();
    if (button.isEnabled())
        button.click();
}

// --- TextArea -----------------------------------------------------------

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
    const int limit = edit.document()->characterCount() - 1;
    cursor.setPosition(std::clamp(Utf16Offset(Private().text, std::max(0, start)), 0, limit));
    edit.setTextCursor(cursor);
}

void TextArea::SetSelLength(int length)
{
    auto& edit = Private().As<QPlainTextEdit>();
    QTextCursor cursor = edit.textCursor();
    const auto& text = Private().text;
    const int start = CodePointOffset(text, cursor.selectionStart());
    const int limit = edit.document()->characterCount() - 1;
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(std::clamp(Utf16Offset(text, start + std::max(0, length)), 0, limit), QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

// --- Label and Canvas ---------------------------------------------------

std::string Label::Text() const { return Private().As<QLabel>().text().toStdString(); }

Ref<Picture> Canvas::Backdrop() const { return Private().backdrop; }

void Canvas::SetBackdrop(Ref<Picture> picture)
{
    auto& d = Private();
    d.backdrop = picture;
    auto* canvas = dynamic_cast<CanvasWidget*>(&d.Widget());
    if (!canvas)
        RaiseNilObjectException();
    canvas->picture = std::move(picture);
    canvas->update();
}

// --- Window's side of control creation ------------------------------------

void Window::ConstructControl(Control& control)
{
    auto& d = *control.d_;
    d.window = weak_from_this();
    d.widget = CreateWidget(control, d_->content);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(d.widget.data())) {
        // Even a text area without colours of its own needs them set: the
        // class palette would give it another text area's.
        d.coloursPending = true;
        // The stored text follows what the user types, line breaks as CRs.
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&d, edit] {
            if (d.settingText)
                return;
            QString plain = edit->toPlainText();
            plain.replace(QLatin1Char('\n'), QLatin1Char('\r'));
            d.text = plain.toStdString();
        });
        // A bar that is always shown is enabled only while there is something to scroll.
        QScrollBar* bar = edit->verticalScrollBar();
        auto enable = [bar] { bar->setEnabled(bar->maximum() > bar->minimum()); };
        QObject::connect(bar, &QScrollBar::rangeChanged, bar, enable);
        enable();
    }
    if (auto* button = qobject_cast<QPushButton*>(d.widget.data()))
        QObject::connect(button, &QPushButton::clicked, button, [&d] { d.Raise(Event::Action); });
    d_->contentsChanged = true;
}

} // namespace rt
