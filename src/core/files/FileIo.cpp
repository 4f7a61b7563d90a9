#include "files/FileIo.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ravlo {

namespace {

FileResult Failure(const std::string& path, int error) {
  return {false, path + ": " + std::generic_category().message(error)};
}

FileResult Failure(const std::string& path, const std::error_code& error) {
  return {false, path + ": " + error.message()};
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& contents) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure(path, errno != 0 ? errno : ENOENT);
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return Failure(path, EISDIR);
  const auto size = std::filesystem::file_size(path, error);
  if (error) return Failure(path, error);
  contents.resize(static_cast<std::size_t>(size));
  if (size > 0 &&
      !in.read(reinterpret_cast<char*>(contents.data()), static_cast<std::streamsize>(size))) {
    return Failure(path, errno != 0 ? errno : EIO);
  }
  return {true, {}};
}

FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> contents) {
  const std::string temporary = path + ".ravlo-tmp";
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return Failure(path, errno != 0 ? errno : EACCES);
    if (!contents.empty()) {
      out.write(reinterpret_cast<const char*>(contents.data()),
                static_cast<std::streamsize>(contents.size()));
    }
    out.flush();
    if (!out) {
      const int error = errno != 0 ? errno : EIO;
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return Failure(path, error);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Failure(path, error);
  }
  return {true, {}};
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string DirectoryOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  return (std::filesystem::path(directory) / name).string();
}

}  // namespace ravlo
