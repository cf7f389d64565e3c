# The register windows and their record dialogs.
target_sources(brivana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CamposDeDialogo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CamposDeDialogo.h
  ${CMAKE_CURRENT_LIST_DIR}/GradeDeConjunto.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GradeDeConjunto.h
  ${CMAKE_CURRENT_LIST_DIR}/Cadastro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Cadastro.h
  ${CMAKE_CURRENT_LIST_DIR}/untCadAvaliados.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untCadAvaliados.h
  ${CMAKE_CURRENT_LIST_DIR}/untNovoAvaliado.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untNovoAvaliado.h
  ${CMAKE_CURRENT_LIST_DIR}/untCadGrupos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untCadGrupos.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogoDeTextos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogoDeTextos.h
  ${CMAKE_CURRENT_LIST_DIR}/untNovoGrupo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untNovoGrupo.h
  ${CMAKE_CURRENT_LIST_DIR}/untCadLaboratorio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untCadLaboratorio.h
  ${CMAKE_CURRENT_LIST_DIR}/untNovoAvaliador.cpp
  ${CMAKE_CURRENT_LIST_DIR}/untNovoAvaliador.h
)
