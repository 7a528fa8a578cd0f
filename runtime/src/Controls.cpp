// The control base: stored properties, font, geometry and events common to
// every control, and how a window creates one.
#include "ControlKinds.h"
#include "Private.h"

#include <QApplication>

#include <cmath>

namespace rt {

ControlRowList CommonRows()
{
    using R = ControlRows;
    return {
        R::Set<const std::string&>("Name", [](ControlPrivate& c, const std::string& name) { c.name = name; }),
        R::Keep<std::int32_t>("Index"),
        R::Set<std::int32_t>("Left", [](ControlPrivate& c, std::int32_t v) { c.SetGeometryPart(0, v); }),
        R::Set<std::int32_t>("Top", [](ControlPrivate& c, std::int32_t v) { c.SetGeometryPart(1, v); }),
        R::Set<std::int32_t>("Width", [](ControlPrivate& c, std::int32_t v) { c.SetGeometryPart(2, v); }),
        R::Set<std::int32_t>("Height", [](ControlPrivate& c, std::int32_t v) { c.SetGeometryPart(3, v); }),
        R::Keep<bool>("LockLeft"),
        R::Keep<bool>("LockTop"),
        R::Keep<bool>("LockRight"),
        R::Keep<bool>("LockBottom"),
        R::Keep<std::int32_t>("TabPanelIndex"),
        R::Set<std::int32_t>("TabIndex", [](ControlPrivate& c, std::int32_t index) { c.tabIndex = index; }),
        R::Set<bool>("TabStop",
                     [](ControlPrivate& c, bool on) {
                         // Only controls that take the focus at all take part in the Tab order.
                         c.tabStop = on;
                         if (c.Widget().focusPolicy() != Qt::NoFocus)
                             c.Widget().setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
                     }),
        R::Set<bool>("Enabled", [](ControlPrivate& c, bool on) { c.Widget().setEnabled(on); }),
        R::Set<bool>("Visible", [](ControlPrivate& c, bool on) { c.Widget().setVisible(on); }),
        R::Set<const std::string&>("HelpTag",
                                   [](ControlPrivate& c, const std::string& tag) {
                                       c.Widget().setToolTip(QString::fromStdString(tag));
                                   }),
        R::Keep<bool>("AutoDeactivate"),
        R::Keep<std::string>("InitialParent"),
    };
}

ControlRowList FontRows()
{
    using R = ControlRows;
    return {
        R::Set<const std::string&>("TextFont", [](ControlPrivate& c, const std::string&) { c.fontPending = true; }),
        R::Set<bool>("Bold", [](ControlPrivate& c, bool) { c.fontPending = true; }),
        R::Set<bool>("Italic", [](ControlPrivate& c, bool) { c.fontPending = true; }),
        R::Set<bool>("Underline", [](ControlPrivate& c, bool) { c.fontPending = true; }),
    };
}

ControlRowList DataRows()
{
    return {ControlRows::Keep<std::string>("DataSource"), ControlRows::Keep<std::string>("DataField")};
}

ControlRowList Join(std::initializer_list<ControlRowList> parts)
{
    ControlRowList all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// --- ControlPrivate -------------------------------------------------------

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
    fontPending = false;
    if (kind.finish)
        kind.finish(*this);
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
    // A handler may close the window, which destroys nothing before the
    // event returns; it may not add handlers to the list being run.
    auto list = it->second;
    for (const auto& handler : list)
        RunProgramCode(handler);
}

// --- Control --------------------------------------------------------------

Control::Control(const ControlKind& kind) : d_(std::make_unique<ControlPrivate>(*this, kind)) {}

Control::~Control()
{
    // The widget belongs to its window's widgets and goes with them; its
    // lambdas refer to this control, so none may run once it has gone.
    if (d_->widget)
        QObject::disconnect(d_->widget, nullptr, nullptr, nullptr);
}

ControlPrivate& Control::Private() const
{
    return *d_;
}

std::string Control::ClassName() const
{
    return d_->kind.className;
}

const std::string& Control::Name() const
{
    return d_->name;
}

void Control::SetProperties(const Properties& list)
{
    ApplyProperties(*d_, ClassName(), d_->stored, d_->kind.table, list);
}

std::optional<Value> Control::PropertyValue(std::string_view name) const
{
    if (auto it = d_->stored.find(name); it != d_->stored.end())
        return it->second;
    return std::nullopt;
}

void Control::AddEventHandler(Event event, std::function<void()> handler)
{
    if (event == Event::Action && !d_->kind.raisesAction)
        throw RuntimeException("class " + ClassName() + " has no Action event");
    d_->handlers[event].push_back(std::move(handler));
}

bool Control::Enabled() const { return d_->Widget().isEnabled(); }
bool Control::Visible() const { return !d_->Widget().isHidden(); }
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

// --- Window's side of control creation --------------------------------------

void Window::ConstructControl(Control& control)
{
    auto& d = *control.d_;
    d.window = weak_from_this();
    d.widget = d.kind.create(d, d_->content);
    d_->contentsChanged = true;
}

} // namespace rt
