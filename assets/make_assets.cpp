// Makes the program's own sounds and pictures at build time, so that the repository holds no binary
// media: the four wave files, the program icon, the logo, the menu and tool bar glyphs and the
// empty password file.
// Usage: make_assets <output folder>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 11025;
constexpr double kPi = 3.14159265358979323846;

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

// 8-bit mono PCM.
std::string Wave(const std::vector<double>& samples) {
  std::string data;
  for (double s : samples) {
    const double clipped = std::fmax(-1.0, std::fmin(1.0, s));
    data.push_back(static_cast<char>(static_cast<std::uint8_t>(std::lround(128 + 110 * clipped))));
  }
  std::string out = "RIFF";
  PutLe(out, static_cast<std::uint32_t>(36 + data.size()), 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);      // PCM
  PutLe(out, 1, 2);      // mono
  PutLe(out, kRate, 4);
  PutLe(out, kRate, 4);  // bytes per second
  PutLe(out, 1, 2);      // block align
  PutLe(out, 8, 2);      // bits per sample
  out += "data";
  PutLe(out, static_cast<std::uint32_t>(data.size()), 4);
  return out + data;
}

struct Note {
  double frequency;  // 0 is a rest
  double seconds;
};

// A soft bell-like tone per note: a sine with its octave, fading out.
std::vector<double> Tune(std::initializer_list<Note> notes, double volume) {
  std::vector<double> samples;
  for (const Note& note : notes) {
    const int count = static_cast<int>(note.seconds * kRate);
    for (int i = 0; i < count; ++i) {
      const double t = static_cast<double>(i) / kRate;
      const double envelope = std::exp(-4.0 * t / note.seconds) * std::fmin(1.0, i / 40.0);
      const double tone = note.frequency == 0 ? 0
          : std::sin(2 * kPi * note.frequency * t) + 0.3 * std::sin(4 * kPi * note.frequency * t);
      samples.push_back(volume * envelope * tone);
    }
  }
  return samples;
}

std::vector<double> Sweep(double from, double to, double seconds, double volume) {
  std::vector<double> samples;
  const int count = static_cast<int>(seconds * kRate);
  double phase = 0;
  for (int i = 0; i < count; ++i) {
    const double f = from + (to - from) * i / count;
    phase += 2 * kPi * f / kRate;
    samples.push_back(volume * std::sin(phase) * (1.0 - static_cast<double>(i) / count));
  }
  return samples;
}

// The program icon: a 32 x 32 disc shading from lake blue to violet with a light ring, on a clear
// background; one 32-bit image with its AND mask.
std::string Icon() {
  constexpr int size = 32;
  std::string pixels;
  for (int y = size - 1; y >= 0; --y) {  // bottom-up rows
    for (int x = 0; x < size; ++x) {
      const double dx = x - 15.5, dy = y - 15.5;
      const double r = std::sqrt(dx * dx + dy * dy);
      std::uint8_t b = 0, g = 0, red = 0, a = 0;
      if (r <= 15.5) {
        const double k = y / 31.0;
        red = static_cast<std::uint8_t>(40 + 120 * k);
        g = static_cast<std::uint8_t>(170 - 110 * k);
        b = static_cast<std::uint8_t>(220 - 30 * k);
        if (r > 11.0 && r < 13.0) red = g = b = 250;
        a = 255;
      }
      pixels += static_cast<char>(b);
      pixels += static_cast<char>(g);
      pixels += static_cast<char>(red);
      pixels += static_cast<char>(a);
    }
  }
  const std::string mask(size * 4, '\0');  // rows of 32 bits, all drawn from the colour image
  std::string image;
  PutLe(image, 40, 4);
  PutLe(image, size, 4);
  PutLe(image, size * 2, 4);  // colour and mask heights together
  PutLe(image, 1, 2);
  PutLe(image, 32, 2);
  PutLe(image, 0, 4);
  PutLe(image, static_cast<std::uint32_t>(pixels.size() + mask.size()), 4);
  PutLe(image, 0, 4);
  PutLe(image, 0, 4);
  PutLe(image, 0, 4);
  PutLe(image, 0, 4);
  image += pixels + mask;

  std::string out;
  PutLe(out, 0, 2);
  PutLe(out, 1, 2);  // icon
  PutLe(out, 1, 2);  // one image
  out += static_cast<char>(size);
  out += static_cast<char>(size);
  out += '\0';  // no palette
  out += '\0';
  PutLe(out, 1, 2);
  PutLe(out, 32, 2);
  PutLe(out, static_cast<std::uint32_t>(image.size()), 4);
  PutLe(out, 6 + 16, 4);
  return out + image;
}

// A picture drawn pixel by pixel: colour at (x, y), top row first.
using Painter = std::function<std::uint32_t(int x, int y)>;

// A 24-bit bottom-up BMP file.
std::string Bmp(int width, int height, const Painter& paint) {
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  std::string pixels;
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = paint(x, y);
      row += static_cast<char>(rgb & 0xFF);          // blue
      row += static_cast<char>((rgb >> 8) & 0xFF);   // green
      row += static_cast<char>((rgb >> 16) & 0xFF);  // red
    }
    row.resize(static_cast<std::size_t>(rowBytes), '\0');
    pixels += row;
  }
  std::string out = "BM";
  PutLe(out, static_cast<std::uint32_t>(54 + pixels.size()), 4);
  PutLe(out, 0, 4);
  PutLe(out, 54, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<std::uint32_t>(width), 4);
  PutLe(out, static_cast<std::uint32_t>(height), 4);
  PutLe(out, 1, 2);
  PutLe(out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);
  return out + pixels;
}

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

// The logo: a lake-blue disc with a light crescent, on white.
std::uint32_t Logo(int x, int y) {
  const double dx = x - 15.5, dy = y - 15.5;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r > 15.0) return Rgb(255, 255, 255);
  const double cx = x - 20.0, cy = y - 11.0;
  if (r > 9.0 && std::sqrt(cx * cx + cy * cy) > 10.0) return Rgb(250, 230, 120);
  return Rgb(40 + 4 * y, 170 - 3 * y, 220 - 2 * x);
}

// 16 x 16 glyphs on the button grey; "off" glyphs are grey with a red stroke.
constexpr std::uint32_t kGlyphBack = Rgb(192, 192, 192);

bool InNote(int x, int y) {
  const bool head = (x - 5) * (x - 5) + (y - 12) * (y - 12) <= 6;
  const bool stem = x >= 7 && x <= 8 && y >= 2 && y <= 12;
  const bool flag = y >= 2 && y <= 4 && x >= 8 && x <= 12 - (y - 2);
  return head || stem || flag;
}

bool InClock(int x, int y, bool* hand) {
  const double dx = x - 7.5, dy = y - 7.5;
  const double r = std::sqrt(dx * dx + dy * dy);
  *hand = (x == 7 && y >= 3 && y <= 7) || (y == 8 && x >= 8 && x <= 11);
  return r <= 7.0 && r >= 5.6;
}

Painter Glyph(bool clock, bool on) {
  return [clock, on](int x, int y) {
    const bool slash = !on && (x == y || x == y + 1);
    if (slash) return Rgb(220, 30, 30);
    const std::uint32_t ink = on ? (clock ? Rgb(0, 90, 200) : Rgb(0, 140, 60)) : Rgb(110, 110, 110);
    bool hand = false;
    const bool drawn = clock ? InClock(x, y, &hand) || hand : InNote(x, y);
    return drawn ? ink : kGlyphBack;
  };
}

// The exit glyph: a door with an arrow leaving it.
std::uint32_t ExitGlyph(int x, int y) {
  if (x >= 2 && x <= 7 && y >= 1 && y <= 14 && (x == 2 || x == 7 || y == 1 || y == 14)) return Rgb(120, 70, 20);
  if (y == 8 && x >= 6 && x <= 14) return Rgb(200, 20, 20);
  if (x >= 11 && x <= 13 && std::abs(y - 8) <= 13 - x + 1 && std::abs(y - 8) >= 13 - x - 1) return Rgb(200, 20, 20);
  return kGlyphBack;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_assets <output folder>\n";
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  // The file names are UTF-8 here; the build copies them into the program folder.
  const double c = 523.25, d = 587.33, e = 659.25, g = 783.99, a = 880.0, hc = 1046.5;
  const bool ok =
      WriteFile(dir + "集结号.wav",
                Wave(Tune({{g, .25}, {g, .25}, {hc, .5}, {a, .25}, {g, .25}, {e, .5},
                           {d, .25}, {e, .25}, {g, .5}, {c, .5}, {0, .25}}, .5))) &&
      WriteFile(dir + "澈岚1.wav", Wave(Tune({{hc * 1.5, .06}}, .6))) &&
      WriteFile(dir + "澈岚2.wav", Wave(Tune({{c, .12}, {e, .12}, {g, .12}, {hc, .4}}, .6))) &&
      WriteFile(dir + "澈岚3.wav", Wave(Sweep(300, 1200, .3, .5))) &&
      WriteFile(dir + "chelan.ico", Icon()) &&
      WriteFile(dir + "logo.bmp", Bmp(32, 32, Logo)) &&
      WriteFile(dir + "music_on.bmp", Bmp(16, 16, Glyph(false, true))) &&
      WriteFile(dir + "music_off.bmp", Bmp(16, 16, Glyph(false, false))) &&
      WriteFile(dir + "clock_on.bmp", Bmp(16, 16, Glyph(true, true))) &&
      WriteFile(dir + "clock_off.bmp", Bmp(16, 16, Glyph(true, false))) &&
      WriteFile(dir + "exit.bmp", Bmp(16, 16, ExitGlyph)) &&
      // The empty password: an empty quoted record and a line end.
      WriteFile(dir + "qz.cts", std::string("\"\"\r\n"));
  if (!ok) {
    std::cerr << "make_assets: cannot write into " << dir << "\n";
    return 1;
  }
  return 0;
}
