;09/06/2006|18:00|Costa rica|Germany|a
;09/06/2006|21:00|Ecuador|Poland|a
;10/06/2006|15:00|Paraguay|England|b
