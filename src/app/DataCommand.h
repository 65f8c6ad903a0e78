#pragma once

#include <QString>

class QTextStream;

// What the command line asks to do with the data, without a window.
struct DataCommand {
    enum class Action {
        ExportVCard,
        ImportVCard,
        ExportCsv,
        ImportCsv,
        Backup,
        Server,               // names the server this PC uses ("none": the file again)
        CreateServerDatabase, // makes our tables in an empty server database
        CopyToServer          // copies TEL.mdb into a server database just made
    } action;
    QString file;          // or the server's address
    bool shiftJis = false; // CSV written in Shift_JIS
    bool replace = false;  // names already in the book are replaced, not skipped
};

// Opens TEL.mdb where the program finds it and carries the command out. What was done goes to
// standard output; a failure goes to standard error, in the program's words, and the status is
// then 1.
int runDataCommand(const DataCommand& command, QTextStream& out, QTextStream& err);
