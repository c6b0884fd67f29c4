// Makes the program's own sounds and pictures at build time, so that the repository holds no binary
// media: the four wave files, the program icon and the empty password file.
// Usage: make_assets <output folder>
#include <cmath>
#include <cstdint>
#include <fstream>
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
      // The empty password: an empty quoted record and a line end.
      WriteFile(dir + "qz.cts", std::string("\"\"\r\n"));
  if (!ok) {
    std::cerr << "make_assets: cannot write into " << dir << "\n";
    return 1;
  }
  return 0;
}
