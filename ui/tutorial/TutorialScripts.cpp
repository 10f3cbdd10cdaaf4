// The tutorial's two scripts, one line per entry. Line kinds: "#N" starts stage N ("#end" closes
// the last), "+n" shows picture n, "@name" points at a control, "~event,prompt" waits for the
// event, "//" is a note for whoever edits the script, anything else is text for the memo.
#include "ui/tutorial/TutorialScript.h"

namespace traxo {
namespace {

const std::vector<std::u16string> kEnglish{
    u"// The English tutorial. Stage 9 is shown over the assign dialog.",
    u"#1",
    u"+0",
    u"Welcome to Traxo.<br><br>",
    u"<br>",
    u"Traxo gives you faster access to your favourite programs, websites and computer functions "
    u"through gestures.",
    u"#2",
    u"+1",
    u"Gestures are simple motions made with the mouse. They can be geometric shapes, letters, "
    u"numbers - anything - so long as each is distinct enough for the tool to tell them apart.",
    u"#3",
    u"Using Traxo is very simple. You record your own shapes, assign actions to them and then "
    u"leave "
    u"the tool running in the background. You will be able to draw them any size and start "
    u"anywhere on the screen.",
    u"#4",
    u"+2",
    u"@btnActive",
    u"Look for the white Traxo icon in the task bar tray, next to the clock: it shows that Traxo "
    u"is "
    u"running, and a right click on it gives you options. While Traxo is running and \"active\", "
    u"gestures can be drawn anywhere and they will work. Change the Active status with this button "
    u"or with the tray icon's popup menu.",
    u"#5",
    u"@listbox1",
    u"Gestures are saved in sets. You might have one set for touchpad gestures and another to use "
    u"with your mouse. The contents of the currently loaded set are shown on the left-hand side of "
    u"the window. Note the buttons at the bottom.",
    u"#6",
    u"@image1",
    u"~image1/mouseup,...try drawing a gesture first.",
    u"On the right is an area for you to test pre-existing gestures and to record new ones. Try "
    u"drawing in it now - it will try to match what you drew with a stored gesture (if one "
    u"exists).",
    u"<br><br>Drag with the left mouse button or use the touchpad.",
    u"#7",
    u"@btnCreate",
    u"~btnCreate/click,...click the \"Create gesture\" button.",
    u"To create a gesture, click this button now.",
    u"#8",
    u"@btnAssign",
    u"~btnAssign/click,...click the button that appeared next to the gesture in the list",
    u"Record a motion in the right-hand area. It immediately appears in the list on the left.",
    u"Now use this button to choose actions to associate it with. You will be able to assign one "
    u"gesture to many actions, depending on what you're doing when you invoke it.",
    u"#9",
    u"// lstActions belongs to the assign dialog, open while this stage shows.",
    u"@lstActions",
    u"~btnOK_/click,...choose an action for this gesture",
    u"Choose one action for \"all programs\" from the drop-down list. This action will be "
    u"activated "
    u"by default, if no other rules are specified.",
    u"At the top of the list are options to select a Program to run, Website to launch or Key "
    u"combination to simulate.<br><br>",
    u"Tip: try dragging shortcuts and programs from Windows onto the list.",
    u"#10",
    u"~screenGesture,... draw a gesture somewhere on the screen.",
    u"Your gesture is ready to use. @method. Later, you can click the Options button to change "
    u"this "
    u"method if you want.",
    u"#11",
    u"You might have noticed that in the bottom-right hand corner of the screen a message informed "
    u"you of the gesture drawn and action taken. If you selected a program, that program should "
    u"now "
    u"be running.",
    u"Once you've created a few useful gestures, store them as a set using the Save button. When "
    u"Traxo starts next time you'll see those gestures and be able to use them again.",
    u"#12",
    u"You can change the gesture trail colour and exclude programs that already have their own "
    u"gestures or interfere with Traxo. For settings like these, click Options when you're "
    u"familiar "
    u"with the basics.",
    u"#end",
};

const std::vector<std::u16string> kChinese{
    u"// 中文教程。",
    u"#1",
    u"+0",
    u"欢迎使用Traxo。<br><br>",
    u"<br>",
    u"Traxo能帮助你用手势方便地启动程序，浏览网站和操作计算机。",
    u"#2",
    u"+1",
    u"手势是鼠标的动作，可以是几何图形，字母，数字等等任何东西，只要它们各自不同，能方便Traxo识别"
    u"。",
    u"#3",
    u"使用Traxo非常简单。首先录制自己的手势，然后指定它代表的动作，剩下的就交给Traxo后台运行。你可"
    u"以在"
    u"屏幕上的任何地方，画出任意大小的手势。",
    u"#4",
    u"+2",
    u"@btnActive",
    u"请留意任务栏托盘区（时钟旁边）的白色Traxo图标：它表示Traxo正在运行，右键点击它可以看到更多选"
    u"项。"
    u"当Traxo运行并处于“启动”状态时，你可以在屏幕上任何地方画出手势，它们都会生效。用这个按钮或者托"
    u"盘"
    u"图标的弹出菜单可以切换启动状态。",
    u"#5",
    u"@listbox1",
    u"手势分组保存。你可以给触摸板设定一组手势，再给鼠标设定一组手势。当前载入的手势分组内容显示在"
    u"窗口左"
    u"边。注意下面的按钮。",
    u"#6",
    u"@image1",
    u"~image1/mouseup,先绘制一个手势。",
    u"右边的区域用来测试已存在的手势和录制新的手势。现在不妨试一下——它将设法去匹配你保存过的手势（"
    u"如果"
    u"存在的话）。",
    u"<br><br>",
    u"按住鼠标左键拖动或者使用触摸板。",
    u"#7",
    u"@btnCreate",
    u"~btnCreate/click,点击“创建手势”按钮。",
    u"要创建手势，点击这个按钮。",
    u"#8",
    u"// The action button's panel takes dropped files; the drop completes this stage.",
    u"@comboActions",
    u"~comboActions/select,为该手势选择一个动作。",
    u"在右边的区域录制一个手势。它会立刻出现在左边的列表中。使用下拉菜单，选择关联的动作。在菜单的"
    u"顶部可"
    u"以选择运行程序，访问网站或者模拟组合键。",
    u"",
    u"技巧：试一下把快捷方式和程序拖到列表中。",
    u"#9",
    u"~screenGesture,在屏幕上画出手势。",
    u"你的手势可以使用了。@method。稍后，你可以点击“选项”按钮修改操作方式。",
    u"#10",
    u"你也许已经注意到：屏幕右下角有一条弹出消息，它告诉你使用了什么手势，什么动作被启动。如果你选"
    u"择的是"
    u"一个程序，那么这个程序现在将被启动。创建好一些手势后，点击保存按钮把它们保存为一组。当Traxo下"
    u"一次"
    u"启动时，你就可以看到并使用这些手势了。",
    u"#11",
    u"点击选项按钮。你可以修改手势轨迹的颜色，排除那些已经有了自己鼠标手势而与Traxo有冲突的程序。祝"
    u"你"
    u"使用开心！",
    u"#end",
};

} // namespace

const std::vector<std::u16string>& TutorialScript(Language language) {
    return language == Language::Chinese ? kChinese : kEnglish;
}

} // namespace traxo
