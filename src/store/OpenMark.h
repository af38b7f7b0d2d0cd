#pragma once

#include <QString>

#include <optional>

namespace store {

// Who has a record open: the user and machine the warning names.
struct RecordHolder {
    QString user;
    QString host;
    qint64 pid = 0;
};

// The mark an instance leaves in the hidden folder `.abertas` of the data folder while
// one of its editors has a saved form open, so that another instance opening the same
// form can say who has it. One file per instance, so two holders never overwrite each
// other's mark. A mark whose process no longer runs on this machine is stale and removed.
class OpenMark {
public:
    OpenMark() = default;
    ~OpenMark() { release(); }
    OpenMark(const OpenMark &) = delete;
    OpenMark &operator=(const OpenMark &) = delete;

    // Marks the record as open here and returns another instance that has it open too.
    // A folder where no mark can be written only loses the warning.
    std::optional<RecordHolder> take(const QString &recordPath);
    // Removes this instance's mark, if any.
    void release();

    static RecordHolder self();
    static QString folderName() { return QStringLiteral(".abertas"); }

private:
    QString m_path;
};

} // namespace store
