#include "tests/formats/ModuleWriter.h"

#include "tests/support/IconFileWriter.h"

#include <QMap>

namespace kestrom::test {

namespace {

using W = IconFileWriter;

QByteArray dosHeader(std::uint32_t newHeader) {
    QByteArray out(64, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    W::set32(out, 60, newHeader);
    return out;
}

void padTo(QByteArray& out, qsizetype size) {
    if (out.size() < size)
        out.append(QByteArray(size - out.size(), '\0'));
}

void align(QByteArray& out, qsizetype unit) {
    padTo(out, (out.size() + unit - 1) / unit * unit);
}

struct Resource {
    QString name; // empty: use id
    std::uint16_t id = 0;
    QByteArray data;
};

struct Built {
    QList<Resource> icons;
    QList<Resource> groups;
};

// The group directories and icon images of the wanted groups, icon IDs counting from firstIconId.
Built build(const QList<IconGroupSpec>& wanted, std::uint16_t firstIconId) {
    Built out;
    std::uint16_t iconId = firstIconId;
    for (const IconGroupSpec& want : wanted) {
        QByteArray group;
        W::put16(group, 0);
        W::put16(group, 1);
        W::put16(group, static_cast<std::uint32_t>(want.icoFiles.size()));
        for (const QByteArray& ico : want.icoFiles) {
            const std::uint32_t size = static_cast<std::uint8_t>(ico[14]) |
                                       (static_cast<std::uint8_t>(ico[15]) << 8) |
                                       (static_cast<std::uint8_t>(ico[16]) << 16);
            const std::uint32_t offset =
                static_cast<std::uint8_t>(ico[18]) | (static_cast<std::uint8_t>(ico[19]) << 8);
            group += ico.mid(6, 12);
            W::put16(group, iconId);
            out.icons.append({QString(), iconId, ico.mid(offset, size)});
            ++iconId;
        }
        out.groups.append({want.name, want.id, group});
    }
    return out;
}

// The resource tree of a PE image laid out at rva; data entries name RVAs.
QByteArray peResourceTree(const Built& built, std::uint32_t rva) {
    const QList<std::pair<std::uint32_t, const QList<Resource>*>> types = {{3, &built.icons},
                                                                           {14, &built.groups}};
    // Sizes first: root, type directories, language directories, then names, data entries, data.
    std::uint32_t at = 16 + 8 * static_cast<std::uint32_t>(types.size());
    QList<std::uint32_t> typeDirs, languageDirs;
    for (const auto& t : types) {
        typeDirs.append(at);
        at += 16 + 8 * static_cast<std::uint32_t>(t.second->size());
    }
    for (const auto& t : types) {
        for (qsizetype i = 0; i < t.second->size(); ++i) {
            languageDirs.append(at);
            at += 16 + 8;
        }
    }
    QList<std::uint32_t> names;
    for (const auto& t : types) {
        for (const Resource& r : *t.second) {
            names.append(at);
            if (!r.name.isEmpty())
                at += 2 + 2 * static_cast<std::uint32_t>(r.name.size());
        }
    }
    at = (at + 3) / 4 * 4;
    QList<std::uint32_t> dataEntries;
    for (qsizetype i = 0; i < names.size(); ++i) {
        dataEntries.append(at);
        at += 16;
    }
    QList<std::uint32_t> data;
    for (const auto& t : types) {
        for (const Resource& r : *t.second) {
            data.append(at);
            at += (static_cast<std::uint32_t>(r.data.size()) + 7) / 8 * 8;
        }
    }

    QByteArray out;
    const auto directory = [&out](std::uint16_t named, std::uint16_t ids) {
        out += QByteArray(12, '\0');
        W::put16(out, named);
        W::put16(out, ids);
    };
    directory(0, static_cast<std::uint16_t>(types.size()));
    for (qsizetype t = 0; t < types.size(); ++t) {
        W::put32(out, types[t].first);
        W::put32(out, 0x80000000u | typeDirs[t]);
    }
    qsizetype k = 0;
    for (const auto& t : types) {
        std::uint16_t named = 0;
        for (const Resource& r : *t.second)
            named += !r.name.isEmpty();
        directory(named, static_cast<std::uint16_t>(t.second->size() - named));
        // Named entries come first, as the format wants.
        for (int pass = 0; pass < 2; ++pass) {
            for (qsizetype i = 0; i < t.second->size(); ++i) {
                const Resource& r = (*t.second)[i];
                if ((pass == 0) != !r.name.isEmpty())
                    continue;
                W::put32(out, r.name.isEmpty() ? r.id : 0x80000000u | names[k + i]);
                W::put32(out, 0x80000000u | languageDirs[k + i]);
            }
        }
        k += t.second->size();
    }
    for (qsizetype i = 0; i < languageDirs.size(); ++i) {
        directory(0, 1);
        W::put32(out, 1033);
        W::put32(out, dataEntries[i]);
    }
    k = 0;
    for (const auto& t : types) {
        for (const Resource& r : *t.second) {
            if (!r.name.isEmpty()) {
                W::put16(out, static_cast<std::uint32_t>(r.name.size()));
                for (QChar c : r.name)
                    W::put16(out, c.unicode());
            }
            ++k;
        }
    }
    padTo(out, dataEntries.value(0, static_cast<std::uint32_t>(out.size())));
    k = 0;
    for (const auto& t : types) {
        for (const Resource& r : *t.second) {
            W::put32(out, rva + data[k]);
            W::put32(out, static_cast<std::uint32_t>(r.data.size()));
            W::put32(out, 0);
            W::put32(out, 0);
            ++k;
        }
    }
    k = 0;
    for (const auto& t : types) {
        for (const Resource& r : *t.second) {
            padTo(out, data[k]);
            out += r.data;
            ++k;
        }
    }
    return out;
}

constexpr std::uint32_t kFileAlign = 0x200;
constexpr std::uint32_t kTextRva = 0x1000;
constexpr std::uint32_t kRsrcRva = 0x2000;

QByteArray peImage(bool plus, const QByteArray& tree) {
    const std::uint32_t optionalSize = plus ? 240 : 224;
    QByteArray out = dosHeader(64);
    out += "PE";
    out += QByteArray(2, '\0');
    W::put16(out, plus ? 0x8664 : 0x14C);
    W::put16(out, tree.isEmpty() ? 1 : 2);
    out += QByteArray(12, '\0');
    W::put16(out, optionalSize);
    W::put16(out, 0x2102);
    const qsizetype optional = out.size();
    out += QByteArray(optionalSize, '\0');
    W::set16(out, optional, plus ? 0x20B : 0x10B);
    const qsizetype directories = optional + (plus ? 112 : 96);
    W::set32(out, directories - 4, 16);
    if (!tree.isEmpty()) {
        W::set32(out, directories + 16, kRsrcRva);
        W::set32(out, directories + 20, static_cast<std::uint32_t>(tree.size()));
    }
    const auto section = [&out](const char* name, std::uint32_t rva, std::uint32_t size,
                                std::uint32_t pointer) {
        QByteArray header(name);
        header.resize(8, '\0');
        out += header;
        W::put32(out, size);
        W::put32(out, rva);
        W::put32(out, (size + kFileAlign - 1) / kFileAlign * kFileAlign);
        W::put32(out, pointer);
        out += QByteArray(16, '\0');
    };
    const auto rsrcSize = static_cast<std::uint32_t>(tree.size());
    section(".text", kTextRva, 0x10, kFileAlign);
    if (!tree.isEmpty())
        section(".rsrc", kRsrcRva, rsrcSize, 2 * kFileAlign);
    padTo(out, kFileAlign);
    out += QByteArray("\xC3", 1);
    padTo(out, 2 * kFileAlign);
    out += tree;
    align(out, kFileAlign);
    return out;
}

} // namespace

QByteArray ModuleWriter::module(Kind kind, const QList<IconGroupSpec>& groups,
                                std::uint16_t firstIconId) {
    return kind == Kind::Ne ? ne(groups, firstIconId)
                            : pe(kind == Kind::Pe32Plus, groups, firstIconId);
}

QByteArray ModuleWriter::pe(bool plus, const QList<IconGroupSpec>& groups,
                            std::uint16_t firstIconId) {
    return peImage(plus, peResourceTree(build(groups, firstIconId), kRsrcRva));
}

QByteArray ModuleWriter::peWithoutResources() {
    return peImage(false, {});
}

QByteArray ModuleWriter::ne(const QList<IconGroupSpec>& groups, std::uint16_t firstIconId) {
    const Built built = build(groups, firstIconId);
    constexpr std::uint16_t kShift = 4;
    QByteArray out = dosHeader(64);
    const qsizetype neHeader = out.size();
    out += QByteArray(64, '\0');
    out[neHeader] = 'N';
    out[neHeader + 1] = 'E';
    W::set16(out, neHeader + 36, 64);
    W::put16(out, kShift);
    // A block of another type first: the walk passes over it.
    const QList<std::pair<std::uint16_t, const QList<Resource>*>> blocks = {
        {0x8001, &built.groups}, {0x8003, &built.icons}, {0x800E, &built.groups}};
    QList<qsizetype> entryAt;
    for (const auto& b : blocks) {
        W::put16(out, b.first);
        W::put16(out, static_cast<std::uint32_t>(b.second->size()));
        W::put32(out, 0);
        for (const Resource& r : *b.second) {
            entryAt.append(out.size());
            out += QByteArray(2, '\0');
            W::put16(out, static_cast<std::uint32_t>((r.data.size() + 15) >> kShift));
            W::put16(out, 0x1C30);
            W::put16(out, 0x8000u | r.id);
            W::put32(out, 0);
        }
    }
    W::put16(out, 0);
    // An empty resident-name table follows; tools size the resource table by it.
    W::set16(out, neHeader + 38, static_cast<std::uint32_t>(out.size() - neHeader));
    out.append('\0');
    qsizetype k = 0;
    for (const auto& b : blocks) {
        for (const Resource& r : *b.second) {
            align(out, 1 << kShift);
            W::set16(out, entryAt[k++], static_cast<std::uint32_t>(out.size() >> kShift));
            out += r.data;
        }
    }
    align(out, 1 << kShift);
    return out;
}

QByteArray ModuleWriter::library(Kind kind, const QList<int>& groupSizes) {
    QList<IconGroupSpec> groups;
    std::uint32_t index = 1;
    for (int size : groupSizes) {
        IconGroupSpec g;
        g.id = static_cast<std::uint16_t>(100 + groups.size());
        for (int i = 0; i < size; ++i)
            g.icoFiles.append(W::smallIcon(index++ % 16));
        groups.append(g);
    }
    return module(kind, groups);
}

} // namespace kestrom::test
