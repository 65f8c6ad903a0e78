#pragma once

#include <QListView>
#include <memory>

namespace platform {

class Recordset;

// A list of single choice showing one column of a query's rows, in their order. A name
// becomes text only when it is drawn and every entry is as tall as the first, so a list of
// a hundred thousand names fills and scrolls to any row at once.
class NameList : public QListView {
    Q_OBJECT
public:
    explicit NameList(QWidget* parent = nullptr);
    ~NameList() override;

    // Shows `column` of `rows`; nothing is chosen.
    void setNames(std::unique_ptr<Recordset> rows, const QString& column);
    int count() const;
    QString name(int row) const;
    // The row chosen; -1 when none is.
    int chosenRow() const;
    // Chooses a row as a click on it does.
    void choose(int row);

private:
    class Names;
    Names* m_names;
};

} // namespace platform
