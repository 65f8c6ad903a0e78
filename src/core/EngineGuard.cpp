#include "core/EngineGuard.h"

#include "core/Mod1.h"

using namespace Qt::StringLiterals;

namespace core {

void reportEngineError(QWidget* owner, const platform::EngineError& error) {
    Mod1::ShowMessage(u"データベースの処理に失敗しました。\r"_s + error.message(), Mod1::KindNotice, owner,
                      Mod1::FocusOk);
}

} // namespace core
