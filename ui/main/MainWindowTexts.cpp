#include "ui/main/MainWindowTexts.h"

#include "app/ProductInfo.h"

namespace traxo {

using enum MainText;

namespace {

constexpr TextRow kMainTexts[]{
    {ActiveCaption, u"Active", u"启动"},
    {InactiveCaption, u"Active", u"关闭"},
    {StatusTesting, u"Testing", u"测试"},
    {StatusRecording, u"Recording", u"录制"},
    {HelpMenuHelp, u"&Help and support", u"帮助和支持(&H)"},
    {HelpMenuDonate, u"&Donate via PayPal", u"通过PayPal捐款(&D)"},
    {HelpMenuTutorial, u"&Tutorial", u"教程(&T)"},
    {DialogTitle, u"Traxo", u"Traxo"},
    {SaveQuestion, u"You've modified this set. Do you want to save changes?",
     u"警告——你已经修改了手势组。你想保存修改么？"},
    {AnswerYes, u"Yes", u"是"},
    {AnswerNo, u"No", u"否"},
    {AnswerCancel, u"Cancel", u"取消"},
    {AnswerOk, u"OK", u"好"},
    {ActivatedTitle, u"Tutorial", u"教程"},
    {ActivatedContent, u"Traxo has been activated for the purposes of this tutorial.",
     u"为了使用教程，Traxo已被启动"},
    {AutostartQuestion,
     u"The Traxo.exe set to start when you log in to Windows is not this one! Would you like "
     u"this one to auto-start instead?",
     u"你现在使用的Traxo不是你之前设定随系统启动的版本！你想改让这个版本的Traxo自动启动吗？"},
    {TutorialQuestion, u"Would you like to see a brief tutorial?", u"你想学习一下简短的教程么？"},
    {LanguageInstruction, u"Welcome to Traxo", u"欢迎使用Traxo"},
    {LanguageContent, u"Please choose a language.", u"请选择语言。"},
    {BalloonTitle, u"I'm down here!", u"我在这里！"},
    {BalloonText, u"Right-click the icon and click \"configure\" to get started.",
     u"右键点击图标，选择\"配置\"。"},
    {OpenActionTitle, u"Choose file or application for this gesture", u"为这个手势指定文件或程序"},
    {AllProgramsWord, u"(all)", u"all"},
    // The file label is a path; the word for none stays as it is in both languages.
    {NoSetLoaded, u"no set loaded", u"no set loaded"},
    {SaveFailed, u"Unable to write to ", u"无法写入 "},
    {HideCaption, u"hide", u"隐藏"},
    {NewSetCaption, u"New set", u"新建"},
    {LoadSetCaption, u"Load set", u"载入"},
    {SaveSetCaption, u"Save set", u"保存"},
    {SaveAsCaption, u"as...", u"另存为"},
    {OptionsCaption, u"Options", u"选项"},
    {HelpCaption, u"Help", u"帮助"},
    {ExitCaption, u"Exit", u"退出"},
    {AboutCaption, u"about/donate", u"关于Traxo"},
    {GestureSetTab, u"Gesture set", u"手势组"},
    {ConfigurePrograms, u"Configure programs...", u"配置程序…"},
    {CreateGesture, u"Create gesture", u"创建"},
    {DeleteGesture, u"Delete gesture", u"删除"},
    {RecordAgain, u"Record again", u"重新录制"},
    {PressAction, u"Press", u"按下"},
    {MotionListName, u"Gestures", u"手势列表"},
    {PadName, u"Gesture pad", u"手势板"},
    {MotionRowName, u"Gesture #: #", u"手势 #：#"},
};

} // namespace

const TextTable& TextTableOf(MainText) {
    static constexpr TextTable table{"main window", kMainTexts, kMainTextCount};
    return table;
}

std::u16string MainWindowText(MainText text, Language language) {
    const bool chinese = language == Language::Chinese;
    switch (text) {
    case VersionLabel:
        return chinese ? u"版本" + std::u16string(kProductVersion) + u" " +
                             std::u16string(Text(AboutText::Credit, language))
                       : u"version " + std::u16string(kProductVersion) + u" by " +
                             std::u16string(Text(AboutText::Credit, language));
    case AboutTitle:
        return u"Traxo " + std::u16string(kProductVersion);
    default:
        break;
    }
    return std::u16string(Text(text, language));
}

std::u16string FileLabelCaption(std::u16string_view fileLabel, bool hasFile, bool modified) {
    std::u16string caption(fileLabel);
    if (hasFile && modified) {
        caption += u'*';
    }
    return caption;
}

} // namespace traxo
