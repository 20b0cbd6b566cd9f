// Components shared by the panels and the editor: thesaurus and spell-checker engines.
