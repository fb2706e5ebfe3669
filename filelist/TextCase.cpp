#include "filelist/TextCase.h"

#include <atomic>

namespace kestrom {

namespace {

std::atomic<TTreeTextCase>& labelCase() {
    static std::atomic<TTreeTextCase> value{tcAuto};
    return value;
}

QString autoCase(const QString& name) {
    QString result = name.toLower();
    bool capitalise = true;
    for (QChar& c : result) {
        if (capitalise) {
            c = c.toUpper();
            capitalise = false;
        } else {
            capitalise = c == u' ' || c == u'\\';
        }
    }
    return result;
}

} // namespace

QString TextCase::Apply(const QString& name, TTreeTextCase textCase) {
    switch (textCase) {
    case tcLowerCase:
        return name.toLower();
    case tcUpperCase:
        return name.toUpper();
    case tcAuto:
        return autoCase(name);
    case tcNone:
        break;
    }
    return name;
}

TTreeTextCase TextCase::LabelCase() {
    return labelCase().load();
}

void TextCase::SetLabelCase(TTreeTextCase textCase) {
    labelCase().store(textCase);
}

} // namespace kestrom
