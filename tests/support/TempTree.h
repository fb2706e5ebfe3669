#pragma once

#include <QByteArray>
#include <QString>

namespace kestrom::test {

// Builds small file trees below a host folder for listing and path tests.
class TempTree {
public:
    explicit TempTree(QString hostRoot);

    const QString& root() const { return root_; }
    QString path(const QString& relative) const;
    // Creates the folders of relative; returns its host path.
    QString folder(const QString& relative) const;
    // Creates relative (and its folders) holding bytes; returns its host path.
    QString file(const QString& relative, const QByteArray& bytes = {}) const;

private:
    QString root_;
};

} // namespace kestrom::test
