#pragma once

#include <QString>
#include <cstdio>

// What the command-line mode says: data on stdout, and on stderr a progress line per object (unless
// quiet) and one line per failure, each starting with "kadrillo: ". Characters that would steer the
// terminal are shown escaped, since object names come from the archive.
class CommandLineConsole {
public:
    explicit CommandLineConsole(bool quiet, FILE* out = stdout, FILE* err = stderr);

    // One line of data: an object name, the usage text.
    void print(const QString& text);
    // "[3/7] sky.bmp", before the object is worked on, or "[3/7] sky.bmp (palette 12: PATH)" once it
    // is, with what is worth knowing of it.
    void progress(int position, int count, const QString& name, const QString& detail = {});
    // What became of an object that did not fail, when it is worth knowing; quiet leaves it out.
    void note(const QString& name, const QString& text);
    // One failure of one object; counted.
    void fail(const QString& name, const QString& reason);
    // A failure of the whole run; counted.
    void fail(const QString& reason);
    // Something the user should know that fails nothing.
    void warn(const QString& text);
    void warn(const QString& name, const QString& text);
    // The run's last line, "kadrillo: 13 objects extracted to PATH"; quiet leaves it out.
    void summary(const QString& text);
    int failures() const { return failures_; }

    // The text with control characters written as \xHH and line ends as blanks.
    static QString shown(const QString& text);

private:
    void write(FILE* stream, const QString& line);

    bool quiet_;
    FILE* out_;
    FILE* err_;
    int failures_ = 0;
};
