target_sources(brivana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/untImagens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListasDeImagens.cpp
)
