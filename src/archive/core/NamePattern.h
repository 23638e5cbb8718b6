#pragma once

#include <QString>
#include <QStringView>

// A pattern for whole object names, compared without regard to case: `*` stands for any run of
// characters, `?` for any one character, and every other character for itself. An empty pattern
// matches every name.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern = QString());

    bool matches(QStringView name) const;

private:
    QString pattern_; // case-folded
};
