#pragma once

#include <QString>
#include <QStringList>

namespace kestrom {

class CursorSet;
class UserPrompt;

// The Schemes view without its window: the scheme combo's items and selection, and the
// commands that list, load, save and delete schemes.
class CursorSchemes {
public:
    static const QString kEmptyNameNotice;

    QStringList Items; // in listing order
    int ItemIndex = -1;
    bool SchemesInUserKey = false;

    // Appends the stored scheme names to Items.
    void ListSchemes();
    QString Text() const;
    // Selects the item whose text equals name exactly (the last such item); none keeps the
    // selection.
    void SelectByName(const QString& name);
    // Loads the scheme named by item index into set, as choosing it in the combo does; false
    // when nothing changed.
    bool LoadScheme(int index, CursorSet& set);
    // Asks for a name and stores the set's scheme text under it. A name already listed is
    // stored anew and stays listed once; an empty name is refused with a notice.
    bool SaveScheme(UserPrompt& prompt, const CursorSet& set);
    // Asks, then deletes the selected scheme; refused while it is the only item.
    bool DeleteScheme(UserPrompt& prompt);

    static QString DeleteQuestion(const QString& name);

private:
    bool IsListed(const QString& name) const;
};

} // namespace kestrom
