#include "dialog/SaveFailure.h"

namespace talvorin {

const char* frenchCause(ErrorCode code) {
    switch (code) {
        case ErrorCode::PermissionDenied:
            return "accès refusé";
        case ErrorCode::DiskFull:
            return "disque plein";
        case ErrorCode::PathNotFound:
            return "chemin introuvable";
        case ErrorCode::FileNotFound:
            return "fichier introuvable";
        case ErrorCode::PathFileAccess:
            return "erreur d'accès au chemin ou au fichier";
        default:
            return "erreur inattendue";
    }
}

std::string saveFailureText(const std::string& path, ErrorCode code) {
    return "Impossible d'enregistrer les options dans " + path + " : " + frenchCause(code) + ".";
}

}  // namespace talvorin
