#pragma once

// The game's own texts. Lines of a message are joined with "\r\n".

namespace engine::text {

inline constexpr const char *CrLf = "\r\n";

inline constexpr const char *TaskLimit = "手以内で完成せよ。";
inline constexpr const char *TaskRemaining = "残り";
inline constexpr const char *TaskGivenUp = "PAZZL終了";

inline constexpr const char *Complete = "This puzzle complete!!";
inline constexpr const char *CompleteTitle = "Complete";
inline constexpr const char *Failed = "This puzzle failed!!\r\nTry again?";
inline constexpr const char *FailedTitle = "Failed";

inline constexpr const char *PuzzleToNormal =
    "パズルモードを終了して\r\nノーマルモードにしますか？";
inline constexpr const char *NormalToPuzzle =
    "ノーマルモードを終了して\r\nパズルモードにしますか？";
inline constexpr const char *ModeChangeTitle = "モード変更";
inline constexpr const char *RestartPuzzle = "パズルを最初からはじめますが\r\nよろしいですか?";
inline constexpr const char *CautionTitle = "注意";
inline constexpr const char *NoPicture = "読み込む画像を設定して下さい。";
inline constexpr const char *LoadErrorTitle = "読み込みエラー";

} // namespace engine::text
