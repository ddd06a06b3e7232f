// Every text the program shows or stores under a fixed name, byte for byte (UTF-8).
#pragma once

namespace text {

// Names.
inline constexpr const char* kAppName = "Vopdrant";  // settings key and message box caption
inline constexpr const char* kMaker = "Kestrowave";
inline constexpr const char* kMainCaption = "Brisalt";    // the key of a running instance
inline constexpr const char* kProductName = "Brisalto";   // the tray tip
inline constexpr const char* kVersionLabel = "ﾊﾞｰｼﾞｮﾝ ";  // before the number in the about box

// Messages.
inline constexpr const char* kAlreadyRunning = "すでに起動しています。";
inline constexpr const char* kOsTooOld = "このﾊﾞｰｼﾞｮﾝのOSでは起動できません。";
inline constexpr const char* kCloseDialogsFirst = "作業中のﾀﾞｲｱﾛｸﾞを閉じて下さい。";
inline constexpr const char* kHelpFailed = "ﾍﾙﾌﾟの起動に失敗しました。";
inline constexpr const char* kStartFailed = "%sの起動に失敗しました。";
inline constexpr const char* kControlPanelError = "Error ";
inline constexpr const char* kConfirmDelete = "削除してもよろしいですか？";
inline constexpr const char* kConfirmManyDrops =
    "ﾄﾞﾛｯﾌﾟされた %d 個のﾌｧｲﾙを 1 個ずつ起動します。よろしいですか？";
inline constexpr const char* kNoApplication = "ｱﾌﾟﾘｹｰｼｮﾝが指定されていません。";
inline constexpr const char* kPositiveInteger = "正の整数を入力してください。";
inline constexpr const char* kInteger = "整数を入力してください。";
inline constexpr const char* kIntegerRange = "%1 から %2 までの整数を入力してください。";
inline constexpr const char* kTooManyButtons =
    "ﾎﾞﾀﾝは 2000 個までしか置けません。ほかのﾎﾞﾀﾝを削除してから追加してください。";
// At start-up, when the store holds more buttons than are shown: the bound and how many are left.
inline constexpr const char* kButtonsNotShown =
    "ﾎﾞﾀﾝは %1 個までしか表示できません。残りの %2 "
    "個は表示していませんが、消さずに残してあります。";
// Portable mode, at start-up: the settings file beside the program cannot be written, or is too
// big to be ours. Either way the program runs and the file stays as it is.
inline constexpr const char* kSettingsReadOnly =
    "設定ﾌｧｲﾙ(Brisalto.ini)に書き込めません。今回の変更は保存されません。";
inline constexpr const char* kSettingsTooLarge =
    "設定ﾌｧｲﾙ(Brisalto.ini)が大きすぎるため読み込めません。ﾌｧｲﾙはそのままにして、"
    "今回の変更は保存しません。";
// Export and import of the settings. The count of buttons the file holds replaces %1.
inline constexpr const char* kConfirmImport =
    "このﾌｧｲﾙの %1 個のﾎﾞﾀﾝと時計の設定で、今のﾎﾞﾀﾝと時計の設定を置き換えます。"
    "よろしいですか？";
inline constexpr const char* kNotSettingsFile =
    "Brisaltoの設定ﾌｧｲﾙではないため、読み込めません。何も変更していません。";
inline constexpr const char* kExportFailed = "設定ﾌｧｲﾙに書き込めませんでした。";
inline constexpr const char* kSettingsFilter = "設定ﾌｧｲﾙ(*.ini)|*.ini|すべてのﾌｧｲﾙ(*.*)|*.*||";
inline constexpr const char* kSettingsInitialName = "BrisaltoSettings.ini";

// The hotkey dialog: its caption, its lines and what it says of a key another program holds.
inline constexpr const char* kHotkeyCaption = "ﾎｯﾄｷｰの設定";
inline constexpr const char* kHotkeyLabel = "ﾎﾞﾀﾝを呼び出すｷｰ(&K):";
inline constexpr const char* kHotkeyHint = "使いたいｷｰをCtrlやAltと一緒に押してください。";
inline constexpr const char* kHotkeyNone = "なし(&N)";
inline constexpr const char* kHotkeyTakenNow = "このｷｰはほかのﾌﾟﾛｸﾞﾗﾑが使っています。";
inline constexpr const char* kHotkeyTaken =
    "このｷｰはほかのﾌﾟﾛｸﾞﾗﾑが使っているため、設定できません。ほかのｷｰを選んでください。";

// The entry editing dialogs: the show modes in the order of their numbers, and the open-file
// filters as label and pattern pairs.
inline constexpr const char* kShowModes[] = {"通常のｳｲﾝﾄﾞｳ", "最小化", "最大化"};
inline constexpr const char* kProgramFilter =
    "実行ﾌｧｲﾙ(*.exe ;*.com) |*.exe;*.com|ﾄﾞｷｭﾒﾝﾄ ﾌｧｲﾙ(*.doc;*.txt)|*.doc;*.txt|"
    "すべてのﾌｧｲﾙ(*.*)|*.*||";
inline constexpr const char* kProgramInitialName = "*.exe;*.com";
inline constexpr const char* kIconFilter =
    "ｱｲｺﾝﾌｧｲﾙ|*.exe;*.com;*.dll;*.ico|ﾌﾟﾛｸﾞﾗﾑ|*.exe;*.com|ﾗｲﾌﾞﾗﾘ|*.dll|ｱｲｺﾝ|*.ico|"
    "すべてのﾌｧｲﾙ|*.*||";
inline constexpr const char* kIconInitialName = "*.exe;*.com;*.dll;*.ico";

// The main menu.
inline constexpr const char* kMenuAddButton = "ﾎﾞﾀﾝの追加(&B)";
inline constexpr const char* kMenuArrange = "整列(&A)";
inline constexpr const char* kMenuAlignTop = "横に整列(上)(&T)";
inline constexpr const char* kMenuAlignBottom = "横に整列(下)(&B)";
inline constexpr const char* kMenuAlignLeft = "縦に整列(左)(&L)";
inline constexpr const char* kMenuAlignRight = "縦に整列(右)(&R)";
inline constexpr const char* kMenuSpread = "ﾎﾞﾀﾝを散乱(&S)";
inline constexpr const char* kMenuOrder = "順序(&O)";
inline constexpr const char* kMenuSameSize = "ﾎﾞﾀﾝｻｲｽﾞを揃える(&S)";
inline constexpr const char* kMenuClock = "時計(&W)";
inline constexpr const char* kMenuHotkey = "ﾎｯﾄｷｰの設定(&K)...";
inline constexpr const char* kMenuExport = "設定のｴｸｽﾎﾟｰﾄ(&E)...";
inline constexpr const char* kMenuImport = "設定のｲﾝﾎﾟｰﾄ(&I)...";
inline constexpr const char* kMenuHelp = "ﾍﾙﾌﾟ(&H)";
inline constexpr const char* kMenuAbout = "ﾊﾞｰｼﾞｮﾝ情報(&A)...";
inline constexpr const char* kMenuExit = "Brisaltoの終了(&X)";

// A button's menu.
inline constexpr const char* kMenuSettings = "設定(&S)";
inline constexpr const char* kMenuMove = "ﾎﾞﾀﾝの移動(&M)";
inline constexpr const char* kMenuTopmost = "常に手前に表示(&T)";
inline constexpr const char* kMenuDelete = "削除(&D)";

// What a screen reader says a launch button does.
inline constexpr const char* kActionStart = "起動";

// The clock settings dialog.
inline constexpr const char* kWatchSetCaption = "時計の設定";
inline constexpr const char* kWatchSetFont = "ﾌｫﾝﾄの変更";
inline constexpr const char* kWatchSetTopmost = "常に手前に表示";
inline constexpr const char* kWatchSetTextColour = "文字の色";
inline constexpr const char* kWatchSetBackColour = "背景の色";
inline constexpr const char* kCancel = "ｷｬﾝｾﾙ";
inline constexpr const char* kWatchSample = "10:15";

}  // namespace text
