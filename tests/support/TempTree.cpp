#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace kestrom::test {

TempTree::TempTree(QString hostRoot) : root_(std::move(hostRoot)) {
    QDir().mkpath(root_);
}

QString TempTree::path(const QString& relative) const {
    return root_ + u'/' + relative;
}

QString TempTree::folder(const QString& relative) const {
    const QString where = path(relative);
    if (!QDir().mkpath(where))
        throw std::runtime_error("cannot make folder " + where.toStdString());
    return where;
}

QString TempTree::file(const QString& relative, const QByteArray& bytes) const {
    const QString where = path(relative);
    QDir().mkpath(QFileInfo(where).path());
    QFile out(where);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + where.toStdString());
    return where;
}

} // namespace kestrom::test
