#include "view_cpp/window_sizes.h"

namespace view {

namespace {

QString wordOf(const std::map<int, QString> &words, int key)
{
    const auto entry = words.find(key);
    return entry == words.end() ? QString() : entry->second;
}

} // namespace

std::map<int, QSize> appSizeTable()
{
    return {{0, QSize(272, 480)}, {1, QSize(272, 480)}, {2, QSize(340, 600)}};
}

QSize appSize(const std::map<int, QSize> &table, int productType)
{
    const auto entry = table.find(productType);
    return entry == table.end() ? QSize(0, 0) : entry->second;
}

QString systemTypeQmlKey(int productType)
{
    static const std::map<int, QString> words{{0, "fell"}, {1, "fell"}, {2, "pc"}};
    return wordOf(words, productType);
}

namespace {

// Per brand: the word QML uses for it and the name the splash shows. The undefined brand has a
// word but shows no name.
struct BrandWords
{
    QString qmlKey;
    QString shownName;
};

const std::map<int, BrandWords> &brandWords()
{
    static const std::map<int, BrandWords> words{{0, {"vaho", "Vaho"}},
                                                 {1, {"lumo", "Lumo"}},
                                                 {2, {"orvela", "Orvela"}},
                                                 {3, {"kastela", "Kastela"}},
                                                 {4, {"undefined", ""}}};
    return words;
}

} // namespace

QString systemBrandQmlKey(int brand)
{
    const auto entry = brandWords().find(brand);
    return entry == brandWords().end() ? QString() : entry->second.qmlKey;
}

QString systemBrandShownName(int brand)
{
    const auto entry = brandWords().find(brand);
    return entry == brandWords().end() ? QString() : entry->second.shownName;
}

} // namespace view
