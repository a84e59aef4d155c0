#pragma once

// The game's own texts. Lines of a message are joined with "\r\n".
//
// The windows translate each text when it reaches them (context "GameText"). GAME_TEXT
// only marks a text for Qt's lupdate, which reads it as QT_TRANSLATE_NOOP; the engine
// sees the plain text.

#define GAME_TEXT(context, text) text

namespace engine::text {

inline constexpr const char *CrLf = "\r\n";

inline constexpr const char *Complete = GAME_TEXT("GameText", "This puzzle complete!!");
inline constexpr const char *CompleteTitle = GAME_TEXT("GameText", "Complete");
inline constexpr const char *Failed = GAME_TEXT("GameText", "This puzzle failed!!\r\nTry again?");
inline constexpr const char *FailedTitle = GAME_TEXT("GameText", "Failed");

inline constexpr const char *PuzzleToNormal =
    GAME_TEXT("GameText", "パズルモードを終了して\r\nノーマルモードにしますか？");
inline constexpr const char *NormalToPuzzle =
    GAME_TEXT("GameText", "ノーマルモードを終了して\r\nパズルモードにしますか？");
inline constexpr const char *ModeChangeTitle = GAME_TEXT("GameText", "モード変更");
inline constexpr const char *RestartPuzzle =
    GAME_TEXT("GameText", "パズルを最初からはじめますが\r\nよろしいですか?");
inline constexpr const char *CautionTitle = GAME_TEXT("GameText", "注意");
inline constexpr const char *NoPicture = GAME_TEXT("GameText", "読み込む画像を設定して下さい。");
inline constexpr const char *LoadErrorTitle = GAME_TEXT("GameText", "読み込みエラー");

} // namespace engine::text
