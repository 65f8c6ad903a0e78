#include "core/ChangedRow.h"

using namespace Qt::StringLiterals;

namespace core {

QString changedRowQuestion(const QString& what) {
    return what + u"が別の Tamoru で変更されました。"_s + u"\r"_s +
           u"上書きしますか？（いいえ：読み直す　ｷｬﾝｾﾙ：戻る）"_s;
}

Saving askAboutChangedRow(QWidget* owner, const QString& what) {
    switch (Mod1::ShowMessage(changedRowQuestion(what), Mod1::KindQuestionCancel, owner, Mod1::FocusCancel)) {
    case Mod1::AnswerYes:
        return Saving::Written;
    case Mod1::AnswerNo:
        return Saving::Reload;
    default:
        return Saving::BackToEditing;
    }
}

} // namespace core
