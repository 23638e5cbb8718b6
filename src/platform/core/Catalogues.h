#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own in one language, installed into the running application for as
// long as this object lives. The sources' texts are English, so English needs no catalogue, and a
// language without one stays English.
class Catalogues {
public:
    explicit Catalogues(const QLocale& locale);
    ~Catalogues();
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

    // Whether the program's own catalogue for the locale was found.
    bool translated() const { return !own_.isEmpty(); }
    // Where the program's catalogues lie: share/kadrillo/translations above the program's folder,
    // installed or in the build folder.
    static QString folder();

private:
    QTranslator own_;
    QTranslator qt_;
};
