#include "app/ui/frmAbout.h"
#include "app/ui/frmOptions.h"
#include "archive/core/ToolRunner.h"
#include "archive/ui/frmExtract.h"
#include "picture/ui/frmExportFormat.h"
#include "platform/core/Catalogues.h"
#include "preview/ui/frmPalExtract.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// What the windows and the command line say in each language, as the user's locale names it. "C"
// is the sources' English, which must stay exactly as it is.
struct Texts {
    std::map<QString, QString> menus;   // menu object name: title
    std::map<QString, QString> buttons; // main window button: caption
    QString options;                    // the options dialog's title
    QString apply;                      // its Apply button
    QString cancel;                     // a standard button, from Qt's own catalogue
    QString unknownOption;              // a command-line error
};

const std::map<QString, Texts>& textsByLanguage()
{
    static const std::map<QString, Texts> texts{
        {u"C"_s,
         {{{u"mnuFile"_s, u"&File"_s},
           {u"mnuView"_s, u"&View"_s},
           {u"mnuTools"_s, u"&Tools"_s},
           {u"mnuHelp"_s, u"&Help"_s}},
          {{u"cmdSelect"_s, u"Select All"_s},
           {u"cmdExtract"_s, u"Extract"_s},
           {u"cmdPalette"_s, u"Extract Palettes"_s},
           {u"cmdConvert"_s, u"Convert"_s}},
          u"Options"_s,
          u"Apply"_s,
          u"Cancel"_s,
          u"kadrillo: unknown option --bogus"_s}},
        {u"de"_s,
         {{{u"mnuFile"_s, u"&Datei"_s},
           {u"mnuView"_s, u"&Ansicht"_s},
           {u"mnuTools"_s, u"&Extras"_s},
           {u"mnuHelp"_s, u"&Hilfe"_s}},
          {{u"cmdSelect"_s, u"Alle"_s},
           {u"cmdExtract"_s, u"Entpacken"_s},
           {u"cmdPalette"_s, u"Paletten"_s},
           {u"cmdConvert"_s, u"Konvert."_s}},
          u"Optionen"_s,
          u"Anwenden"_s,
          u"Abbrechen"_s,
          u"kadrillo: unbekannte Option --bogus"_s}},
        {u"fr"_s,
         {{{u"mnuFile"_s, u"&Fichier"_s},
           {u"mnuView"_s, u"Affic&hage"_s},
           {u"mnuTools"_s, u"&Outils"_s},
           {u"mnuHelp"_s, u"&Aide"_s}},
          {{u"cmdSelect"_s, u"Tout"_s},
           {u"cmdExtract"_s, u"Extraire"_s},
           {u"cmdPalette"_s, u"Palettes"_s},
           {u"cmdConvert"_s, u"Convertir"_s}},
          u"Options"_s,
          u"Appliquer"_s,
          u"Annuler"_s,
          u"kadrillo: option inconnue --bogus"_s}},
    };
    return texts;
}

// The language the user's environment asks for, as the program reads it.
QString usersLanguage()
{
    const QString language = QLocale().name().section(u'_', 0, 0);
    return textsByLanguage().count(language) ? language : u"C"_s;
}

QString captionOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().remove(u'&');
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    return {};
}

// The captions of a window of fixed layout that are cut off, and the size of its smallest one.
struct Fit {
    std::map<QString, QString> cut;     // window.control: how much
    std::map<QString, double> smallest; // window: point size
};

void measure(QWidget* window, Fit& fit)
{
    double smallest = 1000;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString caption = captionOf(widget);
        // The status bar and the standard buttons size themselves to their texts.
        if (caption.isEmpty() || !widget->isVisibleTo(window) ||
            qobject_cast<QStatusBar*>(widget->parent()) || qobject_cast<QDialogButtonBox*>(widget->parent()))
            continue;
        const QFontMetrics metrics(widget->font());
        const auto* label = qobject_cast<const QLabel*>(widget);
        // A check or radio button's text starts after its box; a push button's stays 2 pixels clear
        // of its frame on either side.
        const int room =
            qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)
                ? widget->width() - (widget->sizeHint().width() - metrics.horizontalAdvance(caption))
            : qobject_cast<QPushButton*>(widget) ? widget->width() - 6
                                                 : widget->width();
        const bool cut = label && label->wordWrap()
                             ? label->heightForWidth(widget->width()) > widget->height()
                             : metrics.horizontalAdvance(caption) > room;
        if (cut)
            fit.cut[window->objectName() + u'.' + widget->objectName()] =
                u"\"%1\": %2 of %3 pixels"_s.arg(caption).arg(metrics.horizontalAdvance(caption)).arg(room);
        smallest = std::min(smallest, widget->font().pointSizeF());
    }
    fit.smallest[window->objectName()] = smallest;
}

// Every window of fixed layout, made in the language installed at the time.
Fit measureWindows(const QString& ini, const QString& folder)
{
    MainWindowRun run(ini);
    FakeSeams& fakes = run.fakes;
    ToolRunner runner;
    PictureState pictures;
    VolRecord vol;
    bool addPpl = false;
    frmOptions options(run.core, fakes.seams(), &run.window);
    frmAbout about(fakes.seams(), &run.window);
    frmExtract extraction(&run.window, vol, {0}, folder, runner, 1, fakes.seams());
    frmPalExtract palettes({vol.FilePath, vol.FilePath, addPpl}, pictures, runner, fakes.messages,
                           [] { return QString(); });
    Fit fit;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&run.window, &options, &about, &extraction, &palettes})
        measure(window, fit);
    if (run.window.menuBar()->sizeHint().width() > run.window.width())
        fit.cut[u"frmMain.MainMenuBar"_s] = u"two rows"_s;
    return fit;
}

} // namespace

// Run once for each language by CTest, with LANG set and LC_ALL, LC_MESSAGES and LANGUAGE cleared, as
// a user's desktop starts the program.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsSpeakTheUsersLanguage();
    void captionsFitTheirControls();
    void commandLineSpeaksTheUsersLanguage();

private:
    QString ini() const { return environment_.configHome() + u"/Kadrillo/Kadrillo.ini"_s; }

    TestEnvironment environment_;
};

void TranslationsTest::initTestCase()
{
    qInfo("language: %s (LANG=%s)", qPrintable(usersLanguage()), qgetenv("LANG").constData());
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        QVERIFY2(qEnvironmentVariableIsEmpty(variable), variable);
}

void TranslationsTest::windowsSpeakTheUsersLanguage()
{
    const Catalogues catalogues{QLocale()};
    QCOMPARE(catalogues.translated(), usersLanguage() != u"C");
    const Texts& expected = textsByLanguage().at(usersLanguage());
    MainWindowRun run(ini());
    for (const auto& [name, title] : expected.menus)
        QCOMPARE(run.control<QMenu>(name.toLatin1().constData())->title(), title);
    for (const auto& [name, caption] : expected.buttons)
        QCOMPARE(run.control<QPushButton>(name.toLatin1().constData())->text(), caption);

    frmOptions options(run.core, run.fakes.seams(), &run.window);
    QCOMPARE(options.windowTitle(), expected.options);
    QCOMPARE(options.findChild<QPushButton*>(u"cmdApply"_s)->text(), expected.apply);
    frmExportFormat format(PictureExport{}, &run.window);
    QCOMPARE(format.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
             expected.cancel);
}

// The windows keep their sizes and places in every language, so a translation must fit where the
// English caption fits, drawn no smaller.
void TranslationsTest::captionsFitTheirControls()
{
    const Fit english = measureWindows(ini(), environment_.path());
    const Catalogues catalogues{QLocale()};
    const Fit fit = measureWindows(ini(), environment_.path());
    QStringList cut;
    for (const auto& [control, how] : fit.cut) {
        if (!english.cut.count(control))
            cut.append(control + u' ' + how);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    for (const auto& [window, size] : fit.smallest) {
        QVERIFY2(size >= english.smallest.at(window),
                 qPrintable(u"%1: %2 pt against %3 pt in English"_s.arg(window).arg(size).arg(
                     english.smallest.at(window))));
        // The desktop font's condensed face is installed with the program.
        QVERIFY2(size >= 8, qPrintable(u"%1: %2 pt"_s.arg(window).arg(size)));
    }
}

void TranslationsTest::commandLineSpeaksTheUsersLanguage()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, environment_.configHome());
    environment.insert(u"XDG_DATA_HOME"_s, environment_.dataHome());
    environment.insert(u"TMPDIR"_s, environment_.tempHome());
    const QString failed = OwnedProgram::runToEnd(QStringLiteral(KADRILLO_BIN_DIR) + u"/kadrillo"_s,
                                                  {u"--bogus"_s}, nullptr, environment);
    QVERIFY2(failed.contains(textsByLanguage().at(usersLanguage()).unknownOption + u'\n'),
             qPrintable(failed));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
