#include "refdata/reference_messages.h"

namespace vexilor {
namespace {

const std::string kBreak(kMessageLineBreak);

std::string OrphanList(const std::vector<OrphanedSystem>& orphans) {
  std::string list;
  for (const OrphanedSystem& orphan : orphans) {
    list += kBreak + orphan.name + " (эллипсоид с номером " + std::to_string(orphan.ellipsoidNumber) + ")";
  }
  return list;
}

}  // namespace

std::string ReferenceFileErrorMessage(ReferenceFileError error, std::string_view path) {
  const std::string file(path);
  switch (error) {
    case ReferenceFileError::kNone:
      return {};
    case ReferenceFileError::kOpenFailed:
      return "Ошибка открытия файла " + file;
    case ReferenceFileError::kReadFailed:
      return "Ошибка чтения файла " + file;
    case ReferenceFileError::kTooManyLines:
      return "Слишком много строк (больше 32767) в файле " + file;
    case ReferenceFileError::kWriteFailed:
      return "Ошибка записи файла " + file + kBreak + "Файл не изменен.";
    case ReferenceFileError::kBackupFailed:
      return "Ошибка создания страховой копии файла " + file + kBreak + "Файл не изменен.";
  }
  return {};
}

std::string BadSystemFileMessage(std::string_view path) { return "Ошибочный файл " + std::string(path); }

std::string EllipsoidFileErrorMessage(std::string_view path) {
  return "Ошибка в файле параметров эллипсоидов" + kBreak + std::string(path);
}

std::string EllipsoidNotFoundMessage(std::int16_t number, std::string_view path) {
  return "Эллипсоид с номером " + std::to_string(number) + " не найден" + kBreak + "в файле " + std::string(path) +
         "." + kBreak + "Видимо файл испорчен.";
}

std::string OrphanedSystemsMessage(const std::vector<OrphanedSystem>& orphans, std::string_view ellipsoidsPath) {
  return "В файле " + std::string(ellipsoidsPath) + " нет эллипсоидов систем координат:" + OrphanList(orphans) +
         kBreak + "Эти системы координат не могут быть выбраны.";
}

std::string OrphansNotWrittenMessage(const std::vector<OrphanedSystem>& orphans, std::string_view systemsPath,
                                     std::string_view ellipsoidsPath) {
  return "Не записаны в файл " + std::string(systemsPath) + "," + kBreak + "так как их эллипсоидов нет в файле " +
         std::string(ellipsoidsPath) + ":" + OrphanList(orphans);
}

std::string UnknownParentMessage(std::string_view parentCode) {
  return "Неизвестная общеземная CK: " + std::string(parentCode);
}

std::string ChoiceErrorMessage(const ChoiceOutcome& outcome, std::string_view systemsPath,
                               std::string_view ellipsoidsPath) {
  switch (outcome.error) {
    case ChoiceError::kBadSystemLine: return BadSystemFileMessage(systemsPath);
    case ChoiceError::kBadEllipsoidFile: return EllipsoidFileErrorMessage(ellipsoidsPath);
    case ChoiceError::kEllipsoidNotFound: return EllipsoidNotFoundMessage(outcome.missingEllipsoid, ellipsoidsPath);
    case ChoiceError::kUnknownParent: return UnknownParentMessage(outcome.parentCode);
    case ChoiceError::kNone: break;
  }
  return "";
}

std::string GlobalLinkMissingMessage(std::string_view sourceBase, std::string_view targetBase) {
  return "Не установлена связь между общеземными CK" + kBreak + std::string(sourceBase) + " и" + kBreak +
         std::string(targetBase);
}

std::string RewriteQuestion(ReferenceKind kind, std::string_view path) {
  const std::string head = kind == ReferenceKind::kSystems
                               ? "Внести изменения в файл параметров систем" + kBreak + "координат "
                               : "Внести изменения в файл параметров эллипсоидов" + kBreak;
  return head + std::string(path) + "?";
}

std::string BackupQuestion(std::string_view path) {
  return "Создать страховую копию файла" + kBreak + std::string(path) + "?";
}

}  // namespace vexilor
