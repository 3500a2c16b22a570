For i0=1 To 2
For i1=1 To 2
For i2=1 To 2
For i3=1 To 2
For i4=1 To 2
For i5=1 To 2
For i6=1 To 2
For i7=1 To 2
For i8=1 To 2
For i9=1 To 2
For i10=1 To 2
For i11=1 To 2
For i12=1 To 2
For i13=1 To 2
For i14=1 To 2
For i15=1 To 2
For i16=1 To 2
For i17=1 To 2
For i18=1 To 2
For i19=1 To 2
For i20=1 To 2
For i21=1 To 2
For i22=1 To 2
For i23=1 To 2
For i24=1 To 2
For i25=1 To 2
For i26=1 To 2
For i27=1 To 2
For i28=1 To 2
For i29=1 To 2
For i30=1 To 2
For i31=1 To 2
For i32=1 To 2
For i33=1 To 2
For i34=1 To 2
For i35=1 To 2
For i36=1 To 2
For i37=1 To 2
For i38=1 To 2
For i39=1 To 2
For i40=1 To 2
For i41=1 To 2
For i42=1 To 2
For i43=1 To 2
For i44=1 To 2
For i45=1 To 2
For i46=1 To 2
For i47=1 To 2
For i48=1 To 2
For i49=1 To 2
For i50=1 To 2
For i51=1 To 2
For i52=1 To 2
For i53=1 To 2
For i54=1 To 2
For i55=1 To 2
For i56=1 To 2
For i57=1 To 2
For i58=1 To 2
For i59=1 To 2
For i60=1 To 2
For i61=1 To 2
For i62=1 To 2
For i63=1 To 2
For i64=1 To 2
For i65=1 To 2
For i66=1 To 2
For i67=1 To 2
For i68=1 To 2
For i69=1 To 2
For i70=1 To 2
For i71=1 To 2
For i72=1 To 2
For i73=1 To 2
For i74=1 To 2
For i75=1 To 2
For i76=1 To 2
For i77=1 To 2
For i78=1 To 2
For i79=1 To 2
For i80=1 To 2
For i81=1 To 2
For i82=1 To 2
For i83=1 To 2
For i84=1 To 2
For i85=1 To 2
For i86=1 To 2
For i87=1 To 2
For i88=1 To 2
For i89=1 To 2
For i90=1 To 2
For i91=1 To 2
For i92=1 To 2
For i93=1 To 2
For i94=1 To 2
For i95=1 To 2
For i96=1 To 2
For i97=1 To 2
For i98=1 To 2
For i99=1 To 2
For i100=1 To 2
For i101=1 To 2
For i102=1 To 2
For i103=1 To 2
For i104=1 To 2
For i105=1 To 2
For i106=1 To 2
For i107=1 To 2
For i108=1 To 2
For i109=1 To 2
For i110=1 To 2
For i111=1 To 2
For i112=1 To 2
For i113=1 To 2
For i114=1 To 2
For i115=1 To 2
For i116=1 To 2
For i117=1 To 2
For i118=1 To 2
For i119=1 To 2
For i120=1 To 2
For i121=1 To 2
For i122=1 To 2
For i123=1 To 2
For i124=1 To 2
For i125=1 To 2
For i126=1 To 2
For i127=1 To 2
For i128=1 To 2
For i129=1 To 2
For i130=1 To 2
For i131=1 To 2
For i132=1 To 2
For i133=1 To 2
For i134=1 To 2
For i135=1 To 2
For i136=1 To 2
For i137=1 To 2
For i138=1 To 2
For i139=1 To 2
For i140=1 To 2
For i141=1 To 2
For i142=1 To 2
For i143=1 To 2
For i144=1 To 2
For i145=1 To 2
For i146=1 To 2
For i147=1 To 2
For i148=1 To 2
For i149=1 To 2
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
Next
