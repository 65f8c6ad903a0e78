#pragma once

#include <QDialog>
#include <QVariantList>
#include <optional>

class QComboBox;
class QLineEdit;

namespace platform {
class Button3D;
class Frame3D;
class MultiLineBox;
class NameList;
} // namespace platform

// The entry window of the phone book: the names of all address records, sorted by reading,
// on the left; the boxes of the chosen record on the right; buttons to clear the boxes, add
// them as a new record, write them over the chosen record, delete it, and close.
class DataCreate : public QDialog {
    Q_OBJECT
public:
    explicit DataCreate(QWidget* parent = nullptr);

    platform::Frame3D* SSFrame1;
    platform::NameList* LS;

    QLineEdit* Txt_Furigana;
    QLineEdit* Txt_Name_1;
    QLineEdit* Txt_Name_2;
    QComboBox* Cmb_Sex;
    QComboBox* Cmb_Nengou;
    QLineEdit* Txt_Y;
    QLineEdit* Txt_M;
    QLineEdit* Txt_D;
    QLineEdit* Txt_Yubin;
    platform::MultiLineBox* Txt_Zyusyo;
    QLineEdit* Txt_Tel_1;
    QLineEdit* Txt_Fax;
    QLineEdit* Txt_PB;
    QLineEdit* Txt_Handy_1;
    QLineEdit* Txt_Handy_2;
    QLineEdit* Txt_K_Name;
    QLineEdit* Txt_K_Yubin;
    platform::MultiLineBox* Txt_K_Address;
    QLineEdit* Txt_K_Tel;
    QLineEdit* Txt_K_Fax;
    QLineEdit* Txt_Email;
    QLineEdit* Txt_K_Email;
    QLineEdit* Txt_HP_Address;
    platform::MultiLineBox* Txt_Bikou;

    platform::Button3D* Cmd_Clear;
    platform::Button3D* Cmd_Insert;
    platform::Button3D* Cmd_Update;
    platform::Button3D* Cmd_Delete;
    platform::Button3D* Cmd_EXIT;

    // Places the window and fills the name list and the sex list; run again after each write.
    void Form_Load();
    void LS_Click();
    void Cmd_Clear_Click();
    void Cmd_Insert_Click();
    void Cmd_Update_Click();
    void Cmd_Delete_Click();
    void Cmd_EXIT_Click();

    // Empties the 22 text boxes; the list and the two combo boxes stay.
    void ClearAddressEntry();

private:
    void buildControls();
    void connectHandlers();
    void showRecord();
    // The insert's checks of the name box: not blank, and no entry of the list but `own` has it.
    bool nameIsUsable(int ownRow);
    // The sex code is the first character of the sex box; it must be a digit.
    bool sexIsUsable();
    // The four date boxes make a date, or year, month and day are all empty.
    bool birthIsUsable();
    QString sexCode() const;
    // The row of the chosen entry, for a change or delete; -1, after a notice, when none is.
    int entryToWrite();
    // Asks a question before a write; an answer of No puts the focus back in the name box.
    bool confirmed(const QString& question, qint16 focus);
    // Whether a change or delete of the record of a list entry wrote a row. False, after a
    // notice and a fresh list, when the record was gone.
    bool wroteRecordOf(const QString& entry, qint64 rowsWritten);
    QString insertStatement() const;
    QString updateStatement(const QString& entry) const;
    // Fills the boxes from the record of a list entry and remembers the record as read.
    void showEntry(const QString& entry);

    // The record whose values fill the boxes, as it was read: a change is written over it only
    // while it is still stored so.
    struct LoadedRecord {
        QString entry;
        std::optional<QVariantList> values;
    } m_loaded;
};
