# Builds the guide, ZelVente.hlp, from the topics of help/sujets in the order of their file
# names, after a contents list made of their titles; the screenshots go beside it.
#   cmake -DSOURCE=<help folder> -DSORTIE=<folder of the guide> -P guide.cmake
file(GLOB sujets "${SOURCE}/sujets/*.html")
list(SORT sujets)
set(SOMMAIRE "")
set(SUJETS "")
foreach(fichier IN LISTS sujets)
    file(READ "${fichier}" texte)
    # Each topic opens with its anchor and its title: <h2><a name="facture"></a>Titre</h2>
    if(NOT texte MATCHES "^<h2><a name=\"([a-z0-9-]+)\"></a>([^<]+)</h2>")
        message(FATAL_ERROR "${fichier} : un sujet commence par <h2><a name=\"ancre\"></a>Titre</h2>")
    endif()
    string(APPEND SOMMAIRE "<li><a href=\"#${CMAKE_MATCH_1}\">${CMAKE_MATCH_2}</a></li>\n")
    string(APPEND SUJETS "\n${texte}")
endforeach()
configure_file("${SOURCE}/guide.html.in" "${SORTIE}/ZelVente.hlp" @ONLY)
file(REMOVE_RECURSE "${SORTIE}/captures")
file(COPY "${SOURCE}/captures" DESTINATION "${SORTIE}")
