#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QPair>
#include <QString>
#include <QTranslator>

// A translator filled in code instead of from a .qm file. It records every lookup, so tests can
// check the translation context and the source text that were asked for.
class TestTranslator : public QTranslator
{
public:
    using Key = QPair<QString, QString>;

    void add(const QString &context, const QString &sourceText, const QString &translation)
    {
        m_translations.insert({context, sourceText}, translation);
    }

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        const Key key{QString::fromUtf8(context), QString::fromUtf8(sourceText)};
        m_lookups.append(key);
        return m_translations.value(key);
    }

    bool isEmpty() const override { return false; }

    bool wasAskedFor(const QString &context, const QString &sourceText) const
    {
        return m_lookups.contains(Key{context, sourceText});
    }

    void clearLookups() { m_lookups.clear(); }

private:
    QHash<Key, QString> m_translations;
    mutable QList<Key> m_lookups;
};

// Installs a translator for the life of a scope.
class ScopedTranslator
{
public:
    explicit ScopedTranslator(QTranslator *translator)
        : m_translator(translator)
    {
        QCoreApplication::installTranslator(m_translator);
    }
    ~ScopedTranslator() { QCoreApplication::removeTranslator(m_translator); }
    ScopedTranslator(const ScopedTranslator &) = delete;
    ScopedTranslator &operator=(const ScopedTranslator &) = delete;

private:
    QTranslator *m_translator;
};
