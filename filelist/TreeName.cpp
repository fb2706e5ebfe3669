#include "filelist/TreeName.h"

#include "filelist/ItemText.h"

namespace kestrom {

namespace {

// Every backslash before index last is followed by "G".
QString markFolders(const QString& path, qsizetype last) {
    QString result;
    result.reserve(path.size() + 16);
    for (qsizetype i = 0; i < path.size(); ++i) {
        result += path[i];
        if (path[i] == u'\\' && i < last)
            result += u'G';
    }
    return result;
}

} // namespace

QString TreeName::Encode(QChar kind, const QString& name, const QString& key) {
    if (kind == u'G')
        return markFolders(name, name.lastIndexOf(u'\\'));
    if (kind == u'H') {
        const qsizetype last = name.lastIndexOf(u'\\');
        if (last < 0)
            return u'H' + key + name;
        return markFolders(name.left(last + 1), last) + u'H' + key + name.mid(last + 1);
    }
    if (kind == u'B' || kind == u'I')
        return name + u'\\' + kind;
    return name;
}

TreeName::Decoded TreeName::Decode(const QString& stored) {
    Decoded decoded;
    QString rest = stored.endsWith(u'\\') ? stored.chopped(1) : stored;
    for (qsizetype cut = rest.indexOf(u'\\'); cut >= 0; cut = rest.indexOf(u'\\')) {
        decoded.path += rest.left(cut + 1);
        if (cut + 1 < rest.size())
            decoded.kind = rest[cut + 1];
        rest = rest.mid(cut + 2);
    }
    if (decoded.kind == u'H')
        rest = rest.mid(ItemText::kKeyLength);
    else if ((decoded.kind == u'B' || decoded.kind == u'I') && decoded.path.endsWith(u'\\'))
        decoded.path.chop(1);
    decoded.path += rest;
    return decoded;
}

} // namespace kestrom
