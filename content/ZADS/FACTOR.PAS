program Factor;
{ Разложение числа на простые множители: делим на 2, 3, 4, ...
  пока делится; составные делители уже не встретятся. }
var
  n, d: longint;
  first: boolean;
begin
  writeln('Разложение на простые множители');
  write('Введите натуральное число больше 1: ');
  readln(n);
  write(n, ' = ');
  d := 2;
  first := true;
  while d * d <= n do
  begin
    while n mod d = 0 do
    begin
      if not first then write(' * ');
      write(d);
      first := false;
      n := n div d
    end;
    d := d + 1
  end;
  { то, что осталось, - простое число }
  if n > 1 then
  begin
    if not first then write(' * ');
    write(n)
  end;
  writeln;
  write('Нажмите Enter...');
  readln
end.
