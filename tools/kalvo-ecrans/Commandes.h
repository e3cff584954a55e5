// The picture commands of kalvo-ecrans, each writing its PNG files into a
// folder without a display; false when a picture could not be made.
#pragma once

#include <QDir>

#include <filesystem>
#include <optional>

namespace kalvo::ecrans {

class TExemple;

// The table during a real deal: the first deal of the delivered database
// (in `donnees`) played on the main window by clicks, in each card set and
// at two screen sizes.
bool ImagesTable(const QDir& sortie, const std::filesystem::path& donnees, std::optional<int> collection = std::nullopt);
// "Revoir le jeu" on the table after the same deal played with some cards
// refused, at two screen sizes.
bool ImagesRevue(const QDir& sortie, const std::filesystem::path& donnees);
// The same deal played by keys alone, the keyboard focus in view, then the
// table with "Grandes cartes" and with "Contraste élevé".
bool ImagesClavier(const QDir& sortie, const std::filesystem::path& donnees);
// The quiz dialogs, "Mauvaise réponse", the end-of-deal screen and the two
// score dialogs.
bool ImagesDialogues(const QDir& sortie, const TExemple& exemple);
// The table's drawn pieces: the 156 faces, hands in their layouts, the
// table during the play and the auction, the digit displays, the icons.
bool ImagesFaces(const QDir& sortie, const TExemple& exemple);
// The settings and their small dialogs, the comment windows, the reviews,
// the deal number, the information box and the help.
bool ImagesReglages(const QDir& sortie, const TExemple& exemple);
// The deal chooser and the progress window with its charts, from a volume
// and a history generated for the pictures.
bool ImagesProgres(const QDir& sortie);

}  // namespace kalvo::ecrans
