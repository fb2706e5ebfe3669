#include "cursors/CursorSchemes.h"

#include "cursors/SchemeStore.h"
#include "cursors/SchemeText.h"
#include "cursors/UserPrompt.h"
#include "platform/UserNotice.h"

namespace kestrom {

const QString CursorSchemes::kEmptyNameNotice =
    QStringLiteral("Please enter a name for the cursor scheme; nothing was saved.");

void CursorSchemes::ListSchemes() {
    Items += SchemeStore::List(SchemesInUserKey);
}

QString CursorSchemes::Text() const {
    return Items.value(ItemIndex);
}

void CursorSchemes::SelectByName(const QString& name) {
    for (qsizetype i = 0; i < Items.size(); ++i) {
        if (Items[i] == name)
            ItemIndex = static_cast<int>(i);
    }
}

bool CursorSchemes::LoadScheme(int index, CursorSet& set) {
    if (index < 0 || index >= Items.size())
        return false;
    ItemIndex = index;
    return SchemeText::Apply(SchemeStore::ReadText(Items[index]), set);
}

bool CursorSchemes::IsListed(const QString& name) const {
    // Value names ignore case, so "Dino" and "dino" are one scheme.
    for (const QString& item : Items) {
        if (item.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool CursorSchemes::SaveScheme(UserPrompt& prompt, const CursorSet& set) {
    QString name;
    if (!prompt.AskName(name))
        return false;
    if (name.trimmed().isEmpty()) {
        ShowUserNotice(QStringLiteral("Save Scheme"), kEmptyNameNotice);
        return false;
    }
    if (!SchemeStore::Write(SchemesInUserKey, name, SchemeText::Build(set)))
        return false;
    if (!IsListed(name))
        Items.append(name);
    return true;
}

QString CursorSchemes::DeleteQuestion(const QString& name) {
    return QStringLiteral("Are you sure you want to delete the \"%1\" scheme?").arg(name);
}

bool CursorSchemes::DeleteScheme(UserPrompt& prompt) {
    if (Items.size() <= 1 || ItemIndex < 0 || ItemIndex >= Items.size())
        return false;
    if (!prompt.AskYesNo(DeleteQuestion(Items[ItemIndex])))
        return false;
    if (!SchemeStore::Delete(SchemesInUserKey, Items[ItemIndex]))
        return false;
    Items.removeAt(ItemIndex);
    ItemIndex = 0;
    return true;
}

} // namespace kestrom
