#include "shell/marquee_lines.h"

namespace chelan {
namespace {

// A blank row is one space, so that it still has a text height.
constexpr const wchar_t* kBlank = L" ";

}  // namespace

MarqueeLines MakeMarqueeLines(const std::wstring& shortDate) {
  return {{
      {L"*澈岚变脸王6.1*", L"24"},
      {kBlank, L"14"},  // the logo is drawn in this row's place
      {L" 如果觉得windows皮肤单调澈岚教您改变", L"14"},
      {L"您会让windows应用程序皮肤漂亮起来", L"14"},
      {kBlank, L"14"},
      {L"只点两次鼠标就可改变windows平台下所有应用程序皮肤", L"14"},
      {L"编程软件、图像软件、网页设计软件的皮肤都可改变", L"14"},
      {kBlank, L"14"},
      {L"变好后打开[开始]-->[运行]观看,也可打开文件夹观看", L"14"},
      {kBlank, L"14"},
      {L"可变的很多澈岚以后陆续发布，系望大家支持澈岚软件", L"14"},
      {kBlank, L"14"},
      {L"注销或重启windows即变为windows原色", L"14"},
      {kBlank, L""},
      {L"澈岚皮肤6.1版 感谢您的使用", L"12"},
      {shortDate, L"8"},
      {kBlank, L""},
      {L"第一页：用预设颜色或调色板改变窗口背景色", L"16"},
      {kBlank, L""},
      {L"第二页：改变菜单文字和菜单栏的颜色", L"16"},
      {kBlank, L""},
      {L"第三页：改变按钮文字颜色，还可玩拼图", L""},
      {kBlank, L""},
      {L"点工具栏上的按钮可在三个页面之间切换", L""},
      {kBlank, L""},
      {L"每次改变颜色都立即作用于所有正在运行的程序", L"8"},
      {kBlank, L""},
      {L"注销或重新启动Windows后即恢复您原来的颜色", L"8"},
      {kBlank, L""},
      {L"澈岚皮肤6.1版 祝您使用愉快", L"8"},
  }};
}

std::optional<int> MarqueeFontSize(const MarqueeLine& line) {
  if (line.size.empty() || line.size.size() > 4) return std::nullopt;
  int points = 0;
  for (wchar_t c : line.size) {
    if (c < L'0' || c > L'9') return std::nullopt;
    points = points * 10 + (c - L'0');
  }
  if (points == 0) return std::nullopt;
  return points;
}

}  // namespace chelan
