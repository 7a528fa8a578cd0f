#include "EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>

namespace rt {

EditCommand EditCommandFor(std::string_view name)
{
    if (name == "EditUndo") return EditCommand::Undo;
    if (name == "EditCut") return EditCommand::Cut;
    if (name == "EditCopy") return EditCommand::Copy;
    if (name == "EditPaste") return EditCommand::Paste;
    if (name == "EditClear") return EditCommand::Clear;
    if (name == "EditSelectAll") return EditCommand::SelectAll;
    return EditCommand::None;
}

EditTarget::EditTarget(const QPlainTextEdit* edit) : edit_(edit)
{
    if (edit_) {
        selection_ = edit_->textCursor().hasSelection();
        editable_ = !edit_->isReadOnly();
    }
}

bool EditTarget::Applies(EditCommand command) const
{
    if (!edit_)
        return false;
    switch (command) {
    case EditCommand::Undo: return editable_ && edit_->document()->isUndoAvailable();
    case EditCommand::Cut: return editable_ && selection_;
    case EditCommand::Copy: return selection_;
    case EditCommand::Paste: return editable_ && edit_->canPaste();
    case EditCommand::Clear: return editable_ && selection_;
    case EditCommand::SelectAll: return !edit_->document()->isEmpty();
    case EditCommand::None: return false;
    }
    return false;
}

bool EditApplies(EditCommand command, const QPlainTextEdit* edit)
{
    return EditTarget(edit).Applies(command);
}

void RunEdit(EditCommand command, QPlainTextEdit* edit)
{
    if (!EditApplies(command, edit))
        return;
    // The toolkit's own copy turns no-break spaces into blanks; the clipboard
    // gets the text as it stands, with the platform's line breaks.
    auto copySelection = [edit] {
        QString text = edit->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        QGuiApplication::clipboard()->setText(text);
    };
    switch (command) {
    case EditCommand::Undo: edit->undo(); break;
    case EditCommand::Cut:
        copySelection();
        edit->textCursor().removeSelectedText();
        break;
    case EditCommand::Copy: copySelection(); break;
    case EditCommand::Paste: edit->paste(); break;
    case EditCommand::Clear: edit->textCursor().removeSelectedText(); break;
    case EditCommand::SelectAll: edit->selectAll(); break;
    case EditCommand::None: break;
    }
}

} // namespace rt
