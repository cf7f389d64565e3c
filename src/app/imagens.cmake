target_sources(brivana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/untImagens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListasDeImagens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesenhoBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlifosComandos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GlifosBotoes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesenhoLogotipos.cpp
)
