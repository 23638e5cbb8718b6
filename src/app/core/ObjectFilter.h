#pragma once

#include "archive/core/NamePattern.h"

#include <QString>
#include <QStringView>

// Which object names the filter box lets through: without regard to case, any name that holds the
// text, or, when the text holds `*` or `?`, any whole name that the wildcard pattern matches.
class ObjectFilter {
public:
    explicit ObjectFilter(const QString& text = QString());

    // An empty filter lets every name through.
    bool isEmpty() const { return text_.isEmpty(); }
    bool matches(QStringView name) const;

private:
    QString text_; // case-folded
    bool wildcard_ = false;
    NamePattern pattern_;
};
